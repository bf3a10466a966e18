#pragma once

#include "app/controller/time_control.h"

#include <QDialog>

class QComboBox;
class QSpinBox;

// "Time Control": no limit, one of the presets, or minutes and increment of
// the player's own.
class CTimeControlDlg : public QDialog {
    Q_OBJECT
public:
    explicit CTimeControlDlg(const sTimeControl& current, QWidget* parent = nullptr);

    sTimeControl Chosen() const;

    QComboBox* Choice() const { return choice_; }
    QSpinBox* Minutes() const { return minutes_; }
    QSpinBox* Increment() const { return increment_; }

private:
    void OnChoice(int index);

    QComboBox* choice_;
    QSpinBox* minutes_;
    QSpinBox* increment_;
};
