#include "app/shell/engine_dialog.h"

#include "platform/child_process.h"
#include "platform/message_box.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr const char* kLevelNames[] = {"Easy", "Medium", "Difficult"};

} // namespace

CEngineDialog::CEngineDialog(const engines::OutsideEngineSettings& settings, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Engine"));
    auto* layout = new QVBoxLayout(this);
    builtIn_ = new QRadioButton(QStringLiteral("&Built-in"), this);
    uci_ = new QRadioButton(QStringLiteral("&UCI program"), this);
    layout->addWidget(builtIn_);
    layout->addWidget(uci_);

    outsidePart_ = new QWidget(this);
    auto* outside = new QVBoxLayout(outsidePart_);
    outside->setContentsMargins(20, 0, 0, 0);
    auto* pathRow = new QHBoxLayout;
    path_ = new QLineEdit(QString::fromStdString(settings.path), outsidePart_);
    path_->setObjectName(QStringLiteral("enginePath"));
    auto* browse = new QPushButton(QStringLiteral("B&rowse..."), outsidePart_);
    pathRow->addWidget(path_);
    pathRow->addWidget(browse);
    outside->addLayout(pathRow);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Level"), outsidePart_), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Time per move (s)"), outsidePart_), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Skill Level"), outsidePart_), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("UCI_Elo"), outsidePart_), 0, 3);
    for (int i = 0; i < 3; ++i) {
        const engines::LevelPlay& play = settings.levels[size_t(i)];
        sLevelRow& row = levels_[size_t(i)];
        row.seconds = new QDoubleSpinBox(outsidePart_);
        row.seconds->setRange(0.01, 600);
        row.seconds->setDecimals(2);
        row.seconds->setValue(play.moveTimeMs / 1000.0);
        row.skill = new QSpinBox(outsidePart_);
        row.skill->setRange(0, 20);
        row.skill->setValue(play.skillLevel);
        row.elo = new QSpinBox(outsidePart_);
        row.elo->setRange(500, 4000);
        row.elo->setValue(play.elo);
        grid->addWidget(new QLabel(QLatin1String(kLevelNames[i]), outsidePart_), i + 1, 0);
        grid->addWidget(row.seconds, i + 1, 1);
        grid->addWidget(row.skill, i + 1, 2);
        grid->addWidget(row.elo, i + 1, 3);
    }
    outside->addLayout(grid);
    auto* note = new QLabel(QStringLiteral("The program is asked for \"Skill Level\" where it "
                                           "offers it, otherwise for \"UCI_LimitStrength\" with "
                                           "\"UCI_Elo\"; it thinks for the time given."),
                            outsidePart_);
    note->setWordWrap(true);
    outside->addWidget(note);
    layout->addWidget(outsidePart_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(browse, &QPushButton::clicked, this, &CEngineDialog::Browse);
    connect(uci_, &QRadioButton::toggled, this, &CEngineDialog::UpdateEnabled);

    (settings.kind == engines::kUciEngine ? uci_ : builtIn_)->setChecked(true);
    UpdateEnabled();
}

void CEngineDialog::UpdateEnabled() {
    outsidePart_->setEnabled(uci_->isChecked());
}

void CEngineDialog::Browse() {
    const QString chosen =
        QFileDialog::getOpenFileName(this, QStringLiteral("UCI program"), path_->text());
    if (!chosen.isEmpty()) path_->setText(chosen);
}

engines::OutsideEngineSettings CEngineDialog::Settings() const {
    engines::OutsideEngineSettings s;
    s.kind = uci_->isChecked() ? engines::kUciEngine : engines::kBuiltInEngine;
    s.path = path_->text().trimmed().toStdString();
    for (size_t i = 0; i < levels_.size(); ++i)
        s.levels[i] = {int(levels_[i].seconds->value() * 1000 + 0.5), levels_[i].skill->value(),
                       levels_[i].elo->value()};
    return s;
}

// A program that cannot run is refused here rather than at the next move;
// a bare name is looked up on the path and kept as the program found.
void CEngineDialog::accept() {
    if (uci_->isChecked()) {
        const std::string found = platform::FindProgram(Settings().path);
        if (found.empty()) {
            platform::ShowMessageBox("\"" + Settings().path +
                                     "\" is not a program that can be run. Choose a UCI chess "
                                     "engine, for example stockfish.");
            return;
        }
        path_->setText(QString::fromStdString(found));
    }
    QDialog::accept();
}
