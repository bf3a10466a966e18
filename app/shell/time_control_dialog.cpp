#include "app/shell/time_control_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The entries of the choice: "None", the presets, "Custom".
int PresetCount() {
    return int(TimeControlPresets().size());
}

} // namespace

CTimeControlDlg::CTimeControlDlg(const sTimeControl& current, QWidget* parent)
    : QDialog(parent), choice_(new QComboBox(this)), minutes_(new QSpinBox(this)),
      increment_(new QSpinBox(this)) {
    setWindowTitle(QStringLiteral("Time Control"));
    choice_->addItem(QStringLiteral("None (the clocks count up)"));
    for (const sTimeControl& preset : TimeControlPresets())
        choice_->addItem(QString::fromStdString(TimeControlText(preset)));
    choice_->addItem(QStringLiteral("Custom"));
    minutes_->setRange(1, kMaxTimeControlMinutes);
    minutes_->setSuffix(QStringLiteral(" min"));
    increment_->setRange(0, kMaxIncrementSeconds);
    increment_->setSuffix(QStringLiteral(" s"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Time control:"), choice_);
    form->addRow(QStringLiteral("Minutes per side:"), minutes_);
    form->addRow(QStringLiteral("Increment per move:"), increment_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    const sTimeControl shown = current.Limited();
    int index = shown.IsOn() ? PresetCount() + 1 : 0;
    const auto presets = TimeControlPresets();
    for (int i = 0; i < PresetCount(); ++i)
        if (presets[size_t(i)] == shown) index = i + 1;
    minutes_->setValue(shown.IsOn() ? shown.minutes : 5);
    increment_->setValue(shown.increment);
    connect(choice_, &QComboBox::currentIndexChanged, this, &CTimeControlDlg::OnChoice);
    choice_->setCurrentIndex(index);
    OnChoice(index);
}

void CTimeControlDlg::OnChoice(int index) {
    const bool preset = index >= 1 && index <= PresetCount();
    if (preset) {
        const sTimeControl& p = TimeControlPresets()[size_t(index - 1)];
        minutes_->setValue(p.minutes);
        increment_->setValue(p.increment);
    }
    const bool custom = index == PresetCount() + 1;
    minutes_->setEnabled(custom);
    increment_->setEnabled(custom);
}

sTimeControl CTimeControlDlg::Chosen() const {
    if (choice_->currentIndex() == 0) return {};
    return {minutes_->value(), increment_->value()};
}
