#include "midi/midi_keyboard.h"

#include "midi/play_state.h"

namespace midi {

int CMidiKeyboard::SetStartPosition(int position) {
    startPosition_ = position;
    ClearKeys();
    if (view_) view_->InvalidateAll();
    const auto events = file_.FirstTrack();
    cursor_ = 0;
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (EventTime(events[i]) >= position) {
            cursor_ = int(i);
            break;
        }
    }
    return position;
}

int CMidiKeyboard::SetPosition(int position) {
    if (position == 0) {
        ClearKeys();
        cursor_ = 0;
    }
    int result = position;
    const auto events = file_.FirstTrack();
    for (std::size_t i = cursor_; i < events.size(); ++i) {
        if (EventTime(events[i]) >= position) {
            cursor_ = int(i);
            break;
        }
        Send(events[i]);
        if (i + 1 == events.size()) result = -1;
    }
    if (compared_ && marksEnabled_) UpdateMarks();
    return result;
}

int CMidiKeyboard::TimeLength() const {
    const auto events = file_.FirstTrack();
    return events.empty() ? 0 : events.back().time;
}

KeyColour CMidiKeyboard::ColourOf(int key) const {
    const sKey& k = keys_[key];
    if (k.mark != 0 && compared_) return k.mark > 0 ? kOnlyComparedColour : kOnlyThisColour;
    if (k.velocity != 0) return kSoundingColour;
    return k.isBlack ? kBlackKeyColour : kWhiteKeyColour;
}

int CMidiKeyboard::EventTime(const sMidiEvent& event) const {
    const bool aligned = compared_ && ProcessPlayState().mode == 0;
    return aligned ? event.alignedTime : event.time;
}

void CMidiKeyboard::Send(const sMidiEvent& event) {
    if (output_ && IsChannelMessage(event)) {
        const auto handle = platform::ReadMidiOutHandle(*output_);
        if (handle != platform::kNoMidiOut) platform::MidiOutShortMsg(handle, ShortMessage(event));
    }
    const bool on = IsNoteOn(event);
    if (!on && !IsNoteOff(event)) return;
    // Notes above the keyboard are heard but not shown.
    if (event.data1 >= kKeyCount) return;
    keys_[event.data1].velocity = on ? event.data2 : 0;
    Invalidate(event.data1);
}

void CMidiKeyboard::ClearKeys() {
    for (sKey& key : keys_) key.velocity = key.mark = 0;
}

void CMidiKeyboard::UpdateMarks() {
    for (int k = 0; k < kKeyCount; ++k) {
        const int v = keys_[k].velocity;
        const int w = compared_->keys_[k].velocity;
        const std::int8_t mark = v == w ? 0 : v != 0 ? -1 : +1;
        if (mark == keys_[k].mark) continue;
        keys_[k].mark = mark;
        Invalidate(k);
    }
}

void CMidiKeyboard::Invalidate(int key) {
    if (view_) view_->InvalidateKey(keys_[key].rect);
}

} // namespace midi
