#include "midi/compare_dialog.h"

#include "midi/dialog_units.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace midi {
namespace {

QProgressBar* MakeBar(QWidget* parent, int id, const QRect& place) {
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(QString::number(id));
    bar->setTextVisible(false);
    bar->setGeometry(place);
    return bar;
}

QPushButton* MakeButton(QWidget* parent, const char* text, int id, const QRect& place) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::number(id));
    button->setGeometry(place);
    return button;
}

} // namespace

CompareDialog::CompareDialog(ControlHandle source, ControlHandle pupil, QWidget* parent,
                             WindowSearch search)
    : QDialog(parent), job_(source, pupil, search) {
    setWindowTitle("Performing of test");
    setFixedSize(FromDialogUnits(0, 0, 186, 105).size());
    QPushButton* ok = MakeButton(this, "OK", kOk, FromDialogUnits(7, 84, 50, 14));
    QPushButton* cancel = MakeButton(this, "Cancel", kCancel, FromDialogUnits(129, 84, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    windowBar_ = MakeBar(this, kWindowBarId, FromDialogUnits(7, 17, 172, 6));
    shiftBar_ = MakeBar(this, kShiftBarId, FromDialogUnits(7, 35, 172, 6));
    report_ = new QLabel("Reporting", this);
    report_->setObjectName(QString::number(kReportTextId));
    report_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    report_->setGeometry(FromDialogUnits(7, 54, 172, 21));

    job_.Start();
    windowBar_->setRange(0, job_.pupilLength() / 1000);
    shiftBar_->setRange(0, 200);
    progressTimer_.setInterval(kProgressMs);
    connect(&progressTimer_, &QTimer::timeout, this, &CompareDialog::ShowProgress);
    progressTimer_.start();
}

int CompareDialog::Run(ControlHandle source, ControlHandle pupil) {
    CompareDialog dialog(source, pupil);
    return dialog.exec() == QDialog::Accepted ? kOk : kCancel;
}

int RunCompareDialog(ControlHandle source, ControlHandle pupil) {
    return CompareDialog::Run(source, pupil);
}

void CompareDialog::done(int result) {
    progressTimer_.stop();
    job_.Stop();
    QDialog::done(result);
}

void CompareDialog::ShowProgress() {
    report_->setText(QString::fromStdString(job_.ProgressText()));
    windowBar_->setValue(job_.windowStart() / 1000);
    shiftBar_->setValue(job_.shift() + 100);
}

} // namespace midi
