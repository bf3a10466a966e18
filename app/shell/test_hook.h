#pragma once

#include "app/shell/hook_protocol.h"

#include <QLocalServer>
#include <QObject>

#include <deque>
#include <memory>
#include <string>
#include <vector>

class CMainFrame;
class CTavlionApp;
class QLocalSocket;

// A remote control for tests that run the real program: one request line
// in, one reply line (or a counted block) out, over a local socket. While
// it runs, message boxes are recorded and answered at once, and the
// promotion chooser takes the figure asked for, instead of waiting for a
// user.
class CTestHook : public QObject {
    Q_OBJECT
public:
    // Null unless the environment variable names a socket path to listen on.
    static std::unique_ptr<CTestHook> FromEnvironment(CTavlionApp& app);

    CTestHook(CTavlionApp& app, const QString& socketPath);
    ~CTestHook() override;

    // The reply to one request line, without its final line break.
    std::string Run(const std::string& line);

    static constexpr const char* kVariable = "TAVLION_TEST_HOOK";

private:
    using Handler = std::string (CTestHook::*)(const sHookRequest&);
    struct sHookCommand {
        const char* name;
        const char* usage;
        Handler run;
    };
    static const sHookCommand kCommands[];

    struct sBox {
        std::string caption, text;
    };

    void OnConnection();
    void Serve();
    int AnswerBox(const std::string& text, const std::string& caption, int buttons);

    std::string Help(const sHookRequest&);
    std::string Ping(const sHookRequest&);
    std::string Command(const sHookRequest&);
    std::string Connect(const sHookRequest&);
    std::string Click(const sHookRequest&);
    std::string Say(const sHookRequest&);
    std::string State(const sHookRequest&);
    std::string Moves(const sHookRequest&);
    std::string Chat(const sHookRequest&);
    std::string Boxes(const sHookRequest&);
    std::string Answer(const sHookRequest&);
    std::string Promote(const sHookRequest&);
    std::string Where(const sHookRequest&);
    std::string Link(const sHookRequest&);
    std::string Quit(const sHookRequest&);
    std::string Status(const sHookRequest&);

    // The main window once it exists; the first call also takes over the
    // promotion chooser.
    CMainFrame* Frame();
    bool eventFilter(QObject* watched, QEvent* event) override;

    CTavlionApp& app_;
    QLocalServer server_;
    std::vector<sBox> boxes_;
    std::deque<bool> answers_;   // for the next Yes/No questions; No when none
    std::deque<int> promotions_; // for the next promotions; the queen when none
    bool chooserWatched_ = false;
    bool serving_ = false;
};
