#pragma once

#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>

#include <functional>
#include <string>
#include <vector>

// One running copy of the staged program, driven through its test hook. It
// runs in a folder of its own that links to the staged data, so every copy
// keeps its own "Tavlion.INI".
class TavlionProcess {
public:
    // `settings`: lines added to the quiet settings the copy starts with.
    explicit TavlionProcess(std::string name, std::string settings = {});
    ~TavlionProcess();
    TavlionProcess(const TavlionProcess&) = delete;
    TavlionProcess& operator=(const TavlionProcess&) = delete;

    // Starts the program; false (with the reason in Failure()) when the
    // folder cannot be made or the program does not start.
    bool Start();
    // Waits until the hook answers and the board is on screen.
    bool WaitReady();

    // One request; the reply's first line.
    std::string Request(const std::string& line);
    // Several requests in one write, so the program runs them one after
    // the other without looking at its sockets in between (as long as none
    // waits, e.g. for an animation); their first lines.
    std::vector<std::string> RequestTogether(const std::vector<std::string>& lines);
    // A request answered by a counted block; its lines.
    std::vector<std::string> RequestBlock(const std::string& line);

    // Polls `state` until `condition` holds for its reply; false when the
    // program stops answering or a generous deadline passes.
    bool WaitState(const std::function<bool(const std::string& state)>& condition);
    // The board part of the `state` reply.
    std::string Board();

    // Asks the program to close and waits for it; true for a clean exit.
    bool Quit();

    bool Running() const { return process_.state() != QProcess::NotRunning; }
    const std::string& Failure() const { return failure_; }
    std::string Output() { return process_.readAllStandardError().toStdString(); }
    QString Folder() const { return folder_.path(); }

    // Discovery stays on this machine, on a port all copies of one test
    // process share.
    static uint16_t DiscoveryPort();

private:
    std::string ReadLine();

    std::string name_;
    std::string settings_;
    QTemporaryDir folder_;
    QProcess process_;
    QLocalSocket hook_;
    std::string failure_;
};

// Field `key` ("net", "color", ...) of a `state` reply, or -1.
int StateField(const std::string& state, const std::string& key);
