#pragma once

#include "midi/comparison.h"
#include "midi/control_registry.h"

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace midi {

// One comparison of a source control with a pupil's control on a thread of
// its own. The thread works on copies of both tracks, so that painting and
// the host's calls never wait for it; the alignment is written back into the
// source control, if it still holds the same events, before the report.
class CompareJob {
public:
    CompareJob(ControlHandle source, ControlHandle pupil, WindowSearch search = SearchWindow);
    ~CompareJob();
    CompareJob(const CompareJob&) = delete;
    CompareJob& operator=(const CompareJob&) = delete;

    // Checks both controls, tells the user what keeps them from being
    // compared, and starts the thread when they can be. Call it on the
    // host's thread: the messages are shown there.
    void Start();
    // Asks the thread to stop after the trial under way and waits for it.
    void Stop();

    bool finished() const { return finished_; }
    int windowStart() const { return progress_.windowStart; }
    int shift() const { return progress_.shift; }
    int pupilLength() const { return pupilLength_; }
    // The progress dialog's line: the window start and the shift under way.
    std::string ProgressText() const;
    // Valid once finished.
    const std::vector<sWindowResult>& windows() const { return windows_; }

private:
    void Run();
    void Publish();

    ControlHandle sourceHandle_;
    ControlHandle pupilHandle_;
    WindowSearch search_;
    const void* sourceControl_ = nullptr;
    int pupilLength_ = 0;
    std::vector<sMidiEvent> pupilEvents_;
    std::vector<sMidiEvent> sourceEvents_;
    std::vector<sWindowResult> windows_;
    sCompareProgress progress_;
    std::atomic<bool> finished_{false};
    std::jthread thread_;
};

inline constexpr char kOneTrackOnly[] = "this test work with one trek only";

// Runs the window system's progress dialog modally over one comparison of the
// two controls: 1 for OK, 2 for Cancel.
int RunCompareDialog(ControlHandle source, ControlHandle pupil);

} // namespace midi
