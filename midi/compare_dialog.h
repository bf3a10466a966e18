#pragma once

#include "midi/compare_job.h"

#include <QDialog>
#include <QTimer>

class QLabel;
class QProgressBar;

namespace midi {

// "Performing of test": runs one comparison and shows how far it has got.
// It does not return before the comparison's thread has ended, so that the
// thread never outlives the controls it works on.
class CompareDialog final : public QDialog {
public:
    static constexpr int kWindowBarId = 1000;
    static constexpr int kShiftBarId = 1001;
    static constexpr int kReportTextId = 1002;
    static constexpr int kProgressMs = 100;
    enum Result { kOk = 1, kCancel = 2 };

    CompareDialog(ControlHandle source, ControlHandle pupil, QWidget* parent = nullptr,
                  WindowSearch search = SearchWindow);

    // Runs the dialog modally: kOk or kCancel.
    static int Run(ControlHandle source, ControlHandle pupil);

    void done(int result) override;
    const CompareJob& job() const { return job_; }

private:
    void ShowProgress();

    CompareJob job_;
    QProgressBar* windowBar_;
    QProgressBar* shiftBar_;
    QLabel* report_;
    QTimer progressTimer_;
};

} // namespace midi
