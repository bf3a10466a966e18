// Writes the Linux build's transcripts, which the Windows DLLs' must equal:
//   expected_transcripts engine|tonmark <file>
// Run it in an empty folder: the engine and the tunes write files there.

#include "engine/computer_move.h"
#include "engine_transcript.h"
#include "midi/control_class.h"
#include "platform/message_box.h"
#include "platform/message_pump.h"
#include "platform/ticks.h"
#include "tonmark_transcript.h"
#include "transcript.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>

// The engine's entry points, compiled into this program from the library's source.
extern "C" int GetComputerMove(sFigureList*, int, int, sRuleState*, CFigure**, CFigure**, int*,
                               int*, int*);
extern "C" void GetCurrentState(sFigureList*, int, sRuleState*, int*);

namespace {

constexpr int kWidth = 440;
constexpr int kHeight = 40;
constexpr int kCompareTimeoutMs = 300000;

std::string answered;

// Every message box is recorded and answered with OK.
void ConfirmMessageBoxes() {
    platform::SetMessageBoxHandler([](const std::string& text, const std::string& caption, int) {
        answered += caption + ": " + text + "\n";
        return int(platform::kIdOk);
    });
}

std::string TakeMessageBoxes() {
    return std::exchange(answered, {});
}

std::string EngineSide() {
    engine::SetSearchClock([] { return dll_test::kFrozenSecond; });
    dll_test::EngineHost host;
    host.computerMove = GetComputerMove;
    host.currentState = GetCurrentState;
    host.keepMessagesComing = [](bool on) {
        platform::SetMessagePump(on ? platform::MessagePump([] { return true; }) : nullptr);
    };
    host.messageBoxes = TakeMessageBoxes;
    return dll_test::EngineTranscript(host);
}

void Wait(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
}

// Confirms the progress dialog once the comparison has written its report.
int CompareAndConfirm(const dll_test::TonmarkHost& host, MidiWindow source, MidiWindow pupil) {
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) return;
        const bool reported = std::filesystem::exists(host.reportPath);
        if (reported || clock.elapsed() > kCompareTimeoutMs)
            dialog->findChild<QPushButton*>(reported ? "1" : "2")->click();
    });
    poll.start(50);
    return host.calls.MakeComparingWith(source, pupil);
}

std::string TonmarkSide() {
    // The comparison reports in the home folder's "mail".
    const std::filesystem::path home = std::filesystem::current_path() / "home";
    std::filesystem::create_directories(home);
    setenv("HOME", home.c_str(), 1);

    dll_test::TonmarkHost host;
#define TONMARK_BIND(name) host.calls.name = ::name;
    TONMARK_CALLS(TONMARK_BIND)
#undef TONMARK_BIND
    host.newKeyboard = [] {
        QWidget* keyboard = tonmark::CreateControl("MIDI_KB", nullptr);
        keyboard->resize(kWidth, kHeight);
        return static_cast<MidiWindow>(keyboard);
    };
    host.deleteWindow = [](MidiWindow w) { delete static_cast<QWidget*>(w); };
    host.otherWindow = [] { return static_cast<MidiWindow>(new QWidget); };
    host.pixel = [](MidiWindow w, int x, int y) {
        const QColor c = static_cast<QWidget*>(w)->grab().toImage().pixelColor(x, y);
        return midi::KeyColour{std::uint8_t(c.red()), std::uint8_t(c.green()),
                               std::uint8_t(c.blue())};
    };
    host.wait = Wait;
    host.compareAndConfirm = [&](MidiWindow source, MidiWindow pupil) {
        return CompareAndConfirm(host, source, pupil);
    };
    host.reportPath = (home / "mail" / "RprtMidi.txt").string();
    host.tickCount = platform::TickCount;
    static platform::MidiOutHandle silent{};
    host.output = &silent;
    host.messageBoxes = TakeMessageBoxes;
    return dll_test::TonmarkTranscript(host);
}

} // namespace

int main(int argc, char** argv) {
    const std::string side = argc == 3 ? argv[1] : "";
    if (side != "engine" && side != "tonmark") {
        std::printf("usage: expected_transcripts engine|tonmark <file>\n");
        return 2;
    }
    QApplication app(argc, argv);
    ConfirmMessageBoxes();
    const std::string transcript = side == "engine" ? EngineSide() : TonmarkSide();
    return dll_test::WriteBytes(argv[2], transcript) ? 0 : 1;
}
