#include "midi/tonmark.h"

#include "midi/compare_job.h"
#include "midi/midi_keyboard.h"
#include "midi/play_state.h"

#include <mutex>

int ConnectDataFile(MidiWindow window, const char* path) {
    return midi::api::ConnectDataFile(window, path);
}

int ConnectDataMemFile(MidiWindow window, const midi::sMemFile* data) {
    return midi::api::ConnectDataMemFile(window, data);
}

int SetStartPosition(MidiWindow window, int position) {
    return midi::api::SetStartPosition(window, position);
}

int SetPosition(MidiWindow window, int position) {
    return midi::api::SetPosition(window, position);
}

int SetPlayingStatus(MidiWindow window, std::uint32_t startTick, int startPosition, int endPosition,
                     int currentPosition, int playing, int mode, int marks,
                     platform::MidiOutHandle* output) {
    return midi::api::SetPlayingStatus(window, startTick, startPosition, endPosition,
                                       currentPosition, playing, mode, marks, output);
}

int GetTimeLength(MidiWindow window) {
    return midi::api::GetTimeLength(window);
}

int SetCompared(MidiWindow window, MidiWindow other) {
    return midi::api::SetCompared(window, other);
}

int SetMaper(MidiWindow window, platform::MidiOutHandle* output) {
    return midi::api::SetMaper(window, output);
}

int MakeComparingWith(MidiWindow source, MidiWindow pupil) {
    {
        std::lock_guard lock(midi::ComponentMutex());
        if (!midi::FindControl(source) || !midi::FindControl(pupil)) return -1;
    }
    return midi::RunCompareDialog(source, pupil);
}

int GetEstimateStatus(MidiWindow window, midi::sEstimate* estimate) {
    return midi::api::GetEstimateStatus(window, estimate);
}

void TonmarkEntry() {}
