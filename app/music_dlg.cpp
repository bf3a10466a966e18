#include "app/music_dlg.h"

#include "midi/control_class.h"
#include "midi/dialog_units.h"
#include "midi/tonmark.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/ticks.h"

#include <cstdio>

namespace {

using midi::FromDialogUnits;

std::string Format(const char* format, int value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

CMusicDlg::CMusicDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Music");
    setFixedSize(FromDialogUnits(0, 0, 186, 46).size());
    keyboard_ = tonmark::CreateControl("MIDI_KB", this);
    if (keyboard_) {
        keyboard_->setObjectName(QString::number(kKeyboardId));
        keyboard_->setGeometry(FromDialogUnits(9, 10, 169, 28));
    }
    loopTimer_.setInterval(kLoopCheckMs);
    connect(&loopTimer_, &QTimer::timeout, this, &CMusicDlg::OnLoopTimer);

    const std::string path = platform::CurrentDirectory() + "\\Sounds\\SONAT_A1.MID";
    const int result = ConnectDataFile(keyboard_, platform::NativePath(path).c_str());
    if (result < 0) platform::ShowMessageBox(Format("Error = %d", result));
}

CMusicDlg::~CMusicDlg() {
    StopMusic();
}

void CMusicDlg::StartMusic() {
    SetStartPosition(keyboard_, 0);
    length_ = GetTimeLength(keyboard_);
    CloseOutput();
    if (platform::MidiOutOpen(&midiOut_, platform::kMidiMapper) != platform::kMidiOk) {
        platform::ShowMessageBox("Error opening Mapper");
        platform::StoreMidiOutHandle(midiOut_, platform::kNoMidiOut);
    }
    startTick_ = platform::TickCount();
    SetPlayingStatus(keyboard_, startTick_, 0, length_, 0, 1, 0, 0, &midiOut_);
    loopTimer_.start();
}

void CMusicDlg::StopMusic() {
    SetPlayingStatus(keyboard_, platform::TickCount(), 0, 0, 0, 0, 0, 0, nullptr);
    CloseOutput();
    loopTimer_.stop();
}

void CMusicDlg::OnLoopTimer() {
    if (platform::TickCount() - startTick_ > std::uint32_t(length_)) StartMusic();
}

void CMusicDlg::CloseOutput() {
    const auto open = platform::ReadMidiOutHandle(midiOut_);
    if (open == platform::kNoMidiOut) return;
    // Cleared first, so that the player never sends to a closing handle.
    platform::StoreMidiOutHandle(midiOut_, platform::kNoMidiOut);
    platform::MidiOutClose(open);
}
