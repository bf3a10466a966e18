#pragma once

#include <QDialog>

#include <array>

#include "engines/outside_settings.h"

class QDoubleSpinBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

// "Engine...": the built-in engine or a UCI program (its path, with a file
// chooser), and how each game level plays on the program: time per move
// and the strength it is asked for where it offers a way to weaken itself.
class CEngineDialog : public QDialog {
    Q_OBJECT
public:
    explicit CEngineDialog(const engines::OutsideEngineSettings& settings,
                           QWidget* parent = nullptr);

    engines::OutsideEngineSettings Settings() const;

    QRadioButton* BuiltInChoice() const { return builtIn_; }
    QRadioButton* UciChoice() const { return uci_; }
    QLineEdit* ProgramPath() const { return path_; }

    void accept() override;

private:
    void Browse();
    void UpdateEnabled();

    struct sLevelRow {
        QDoubleSpinBox* seconds;
        QSpinBox* skill;
        QSpinBox* elo;
    };
    QRadioButton* builtIn_;
    QRadioButton* uci_;
    QLineEdit* path_;
    std::array<sLevelRow, 3> levels_{};
    QWidget* outsidePart_;
};
