#pragma once

#include "platform/midi_out.h"

#include <QDialog>
#include <QTimer>

#include <cstdint>

// The hidden dialog that hosts a keyboard control and plays the background
// tune on the MIDI mapper in a loop.
class CMusicDlg final : public QDialog {
public:
    static constexpr int kKeyboardId = 1000;
    static constexpr int kLoopCheckMs = 1000;

    // Loads "Sounds/SONAT_A1.MID" from the current directory; a failure is
    // shown as "Error = %d" and the dialog is made all the same.
    explicit CMusicDlg(QWidget* parent = nullptr);
    ~CMusicDlg() override;

    // Restarts the tune from the beginning on a freshly opened mapper.
    void StartMusic();
    void StopMusic();

    QWidget* keyboard() const { return keyboard_; }
    int length() const { return length_; }
    std::uint32_t startTick() const { return startTick_; }
    bool playing() const { return loopTimer_.isActive(); }

private:
    void OnLoopTimer();
    void CloseOutput();

    QWidget* keyboard_ = nullptr;
    platform::MidiOutHandle midiOut_ = platform::kNoMidiOut; // read by the player thread
    int length_ = 0;
    std::uint32_t startTick_ = 0;
    QTimer loopTimer_;
};
