#include "midi/compare_job.h"

#include "midi/compare_report.h"
#include "midi/midi_keyboard.h"
#include "midi/play_state.h"
#include "platform/message_box.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <mutex>

namespace midi {
namespace {

bool HoldsOneTrack(const CMidiKeyboard& control) {
    return control.file().trackCount() == 1 && control.file().tracks().size() == 1;
}

// The same events as those compared: only the comparison's fields may differ.
bool SameEvents(std::span<const sMidiEvent> a, std::span<const sMidiEvent> b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const sMidiEvent& x, const sMidiEvent& y) {
                          return x.time == y.time && x.status == y.status && x.data1 == y.data1 &&
                                 x.data2 == y.data2;
                      });
}

} // namespace

CompareJob::CompareJob(ControlHandle source, ControlHandle pupil, WindowSearch search)
    : sourceHandle_(source), pupilHandle_(pupil), search_(search) {}

CompareJob::~CompareJob() {
    Stop();
}

void CompareJob::Start() {
    bool comparable = false;
    {
        std::lock_guard lock(ComponentMutex());
        const CMidiKeyboard* source = FindControl(sourceHandle_);
        const CMidiKeyboard* pupil = FindControl(pupilHandle_);
        if (source && pupil) {
            sourceControl_ = source;
            pupilLength_ = pupil->file().lastEventTime();
            comparable = HoldsOneTrack(*source) && HoldsOneTrack(*pupil);
            if (comparable) {
                const auto p = pupil->file().FirstTrack();
                const auto s = source->file().FirstTrack();
                pupilEvents_.assign(p.begin(), p.end());
                sourceEvents_.assign(s.begin(), s.end());
            }
        }
    }
    if (!comparable) {
        platform::ShowMessageBox(kOneTrackOnly);
        finished_ = true;
        return;
    }
    thread_ = std::jthread([this] { Run(); });
}

void CompareJob::Stop() {
    progress_.stop = true;
    if (thread_.joinable()) thread_.join();
}

std::string CompareJob::ProgressText() const {
    char text[64];
    std::snprintf(text, sizeof text, "%d    %d  ", windowStart(), shift());
    return text;
}

void CompareJob::Run() {
    windows_ = ComparePerformances(pupilEvents_, pupilLength_, sourceEvents_, progress_, search_);
    Publish();
    finished_ = true;
}

void CompareJob::Publish() {
    MidiFile reported;
    {
        std::lock_guard lock(ComponentMutex());
        CMidiKeyboard* source = FindControl(sourceHandle_);
        if (!source || source != sourceControl_) return;
        const auto events = source->file().FirstTrack();
        if (!SameEvents(events, sourceEvents_)) return;
        std::copy(sourceEvents_.begin(), sourceEvents_.end(), events.begin());
        reported = source->file();
    }
    WriteReport(reported);
}

} // namespace midi
