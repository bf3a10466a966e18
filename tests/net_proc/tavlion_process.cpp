#include "tavlion_process.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QUdpSocket>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

// Generous bounds for a loaded machine; only a hung program reaches them.
constexpr int kStartMs = 60000;
constexpr int kReplyMs = 30000;
constexpr int kStateMs = 30000;

// Quiet, quick settings: no tune, no sounds, no sky, no animation.
constexpr const char* kSettings = "[Settings]\r\nMusic=0\r\nSound Effects=0\r\nSky Flague=0\r\n"
                                  "Animation=0\r\n";

} // namespace

TavlionProcess::TavlionProcess(std::string name, std::string settings)
    : name_(std::move(name)), settings_(std::move(settings)) {}

uint16_t TavlionProcess::DiscoveryPort() {
    static const uint16_t port = [] {
        QUdpSocket probe;
        return probe.bind(QHostAddress::LocalHost, 0) ? probe.localPort() : uint16_t(0);
    }();
    return port;
}

TavlionProcess::~TavlionProcess() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(kReplyMs);
    }
}

bool TavlionProcess::Start() {
    if (!folder_.isValid()) {
        failure_ = "no temporary folder";
        return false;
    }
    // The program reads its data from the current directory.
    const QDir stage(QStringLiteral(TAVLION_STAGE_DIR));
    for (const QFileInfo& entry : stage.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        // The settings are the test's own, and no game kept by a player.
        if (entry.fileName() == QLatin1String("Tavlion.INI") ||
            entry.fileName() == QLatin1String("Unfinished.chs"))
            continue;
        if (!QFile::link(entry.absoluteFilePath(), folder_.filePath(entry.fileName()))) {
            failure_ = "cannot link " + entry.fileName().toStdString();
            return false;
        }
    }
    QFile settings(folder_.filePath(QStringLiteral("Tavlion.INI")));
    if (!settings.open(QIODevice::WriteOnly) || settings.write(kSettings) < 0 ||
        settings.write(settings_.c_str()) < 0) {
        failure_ = "cannot write the settings";
        return false;
    }
    settings.close();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TAVLION_TEST_HOOK"),
                       folder_.filePath(QStringLiteral("hook")));
    environment.insert(QStringLiteral("TAVLION_LOCAL_DISCOVERY_PORT"),
                       QString::number(DiscoveryPort()));
    process_.setProcessEnvironment(environment);
    process_.setWorkingDirectory(folder_.path());
    // A test that dies takes its programs with it.
    process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process_.start(stage.filePath(QStringLiteral("Tavlion")), {});
    if (!process_.waitForStarted(kStartMs)) {
        failure_ = name_ + " did not start: " + process_.errorString().toStdString();
        return false;
    }
    return true;
}

bool TavlionProcess::WaitReady() {
    const QDeadlineTimer deadline(kStartMs);
    const QString path = folder_.filePath(QStringLiteral("hook"));
    while (hook_.state() != QLocalSocket::ConnectedState) {
        if (process_.state() == QProcess::NotRunning || deadline.hasExpired()) {
            failure_ = name_ + " never listened: " + Output();
            return false;
        }
        hook_.connectToServer(path);
        if (!hook_.waitForConnected(1000)) {
            hook_.abort();
            QThread::msleep(50);
        }
    }
    while (Request("ping") != "ok ready") {
        if (deadline.hasExpired() || hook_.state() != QLocalSocket::ConnectedState) {
            failure_ = name_ + " never showed its board: " + Output();
            return false;
        }
        QThread::msleep(50);
    }
    return true;
}

std::string TavlionProcess::ReadLine() {
    const QDeadlineTimer deadline(kReplyMs);
    while (!hook_.canReadLine()) {
        const qint64 left = deadline.remainingTime();
        if (left <= 0 || hook_.state() != QLocalSocket::ConnectedState)
            return "error " + name_ + " does not answer";
        hook_.waitForReadyRead(int(left));
    }
    return hook_.readLine().trimmed().toStdString();
}

std::string TavlionProcess::Request(const std::string& line) {
    if (hook_.state() != QLocalSocket::ConnectedState) return "error " + name_ + " is gone";
    hook_.write((line + '\n').c_str());
    hook_.flush();
    return ReadLine();
}

std::vector<std::string> TavlionProcess::RequestTogether(const std::vector<std::string>& lines) {
    if (hook_.state() != QLocalSocket::ConnectedState) return {"error " + name_ + " is gone"};
    std::string text;
    for (const std::string& line : lines) text += line + '\n';
    hook_.write(text.c_str());
    hook_.flush();
    std::vector<std::string> replies;
    for (size_t i = 0; i < lines.size(); ++i) replies.push_back(ReadLine());
    return replies;
}

std::vector<std::string> TavlionProcess::RequestBlock(const std::string& line) {
    const std::string head = Request(line);
    std::vector<std::string> lines;
    if (head.rfind("ok ", 0) != 0) return {head};
    const int count = std::stoi(head.substr(3));
    for (int i = 0; i < count; ++i) lines.push_back(ReadLine());
    return lines;
}

bool TavlionProcess::WaitState(const std::function<bool(const std::string&)>& condition) {
    const QDeadlineTimer deadline(kStateMs);
    for (;;) {
        const std::string state = Request("state");
        if (state.rfind("ok ", 0) != 0) return false;
        if (condition(state)) return true;
        if (deadline.hasExpired()) return false;
        QThread::msleep(20);
    }
}

std::string TavlionProcess::Board() {
    const std::string state = Request("state");
    if (state.rfind("ok ", 0) != 0) return state;
    return state.substr(3, state.find(' ', 3) - 3);
}

bool TavlionProcess::Quit() {
    if (const std::string reply = Request("quit"); reply != "ok") {
        failure_ = name_ + " was asked to quit: " + reply;
        return false;
    }
    if (!process_.waitForFinished(kReplyMs)) {
        failure_ = name_ + " did not quit";
        return false;
    }
    failure_ = name_ + " exit code " + std::to_string(process_.exitCode());
    return process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
}

int StateField(const std::string& state, const std::string& key) {
    const std::string tag = " " + key + "=";
    const size_t at = state.find(tag);
    return at == std::string::npos ? -1 : std::atoi(state.c_str() + at + tag.size());
}
