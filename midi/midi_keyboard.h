#pragma once

#include "midi/keyboard_layout.h"
#include "midi/midi_file.h"
#include "platform/midi_out.h"

#include <array>

namespace midi {

// What the control asks of its window. Calls may come from any thread.
class KeyboardView {
public:
    virtual ~KeyboardView() = default;
    virtual void InvalidateKey(const KeyRect& rect) = 0;
    virtual void InvalidateAll() = 0;
};

// A keyboard control's state: its loaded file, keys and play cursor. The
// caller holds ComponentMutex() for every call.
class CMidiKeyboard {
public:
    explicit CMidiKeyboard(KeyboardView* view = nullptr) : view_(view) {}

    MidiFile& file() { return file_; }
    const MidiFile& file() const { return file_; }
    const std::array<sKey, kKeyCount>& keys() const { return keys_; }
    int cursor() const { return cursor_; }
    int startPosition() const { return startPosition_; }

    int SetStartPosition(int position);
    // Sends every event due before the position; -1 once the last one went.
    int SetPosition(int position);
    int TimeLength() const;

    void SetOutput(platform::MidiOutHandle* output) { output_ = output; }
    platform::MidiOutHandle* output() const { return output_; }
    void SetCompared(CMidiKeyboard* other) { compared_ = other; }
    CMidiKeyboard* compared() const { return compared_; }
    void SetMarksEnabled(bool on) { marksEnabled_ = on; }

    KeyColour ColourOf(int key) const;

private:
    int EventTime(const sMidiEvent& event) const;
    void Send(const sMidiEvent& event);
    void ClearKeys();
    void UpdateMarks();
    void Invalidate(int key);

    KeyboardView* view_;
    MidiFile file_;
    std::array<sKey, kKeyCount> keys_ = MakeKeys();
    int startPosition_ = 0;
    int cursor_ = 0;
    platform::MidiOutHandle* output_ = nullptr;
    CMidiKeyboard* compared_ = nullptr;
    bool marksEnabled_ = false;
};

} // namespace midi
