// The view's commands for games and positions in standard notation, and
// moves typed on the keyboard.
#include "app/shell/tavlion_view.h"

#include "app/shell/game_list_dialog.h"
#include "platform/clipboard.h"
#include "platform/message_box.h"

#include <QFileDialog>
#include <QKeyEvent>
#include <QMainWindow>
#include <QStatusBar>

namespace {

constexpr int kMaxTypedLength = 16;

// What a typed move may hold: squares, figure letters, castling, signs.
bool IsMoveCharacter(QChar c) {
    return c.toLatin1() != 0 && (c.isLetterOrNumber() || QStringLiteral(" -=+#!?:").contains(c));
}

} // namespace

void CTavlionView::ExportPgnDialog() {
    QFileDialog dialog(this, QStringLiteral("Export PGN"), {}, QString::fromLatin1(kPgnFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pgn"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    scene_.ExportPgn(dialog.selectedFiles().first().toStdString());
}

void CTavlionView::ImportPgnDialog() {
    QFileDialog dialog(this, QStringLiteral("Import PGN"), {}, QString::fromLatin1(kPgnFilter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    scene_.ImportPgnFile(dialog.selectedFiles().first().toStdString());
    emit StateChanged();
}

int CTavlionView::ChoosePgnGame(const std::vector<notation::PgnGameEntry>& games) {
    CGameListDlg dialog(games, this);
    return dialog.Choose();
}

std::string CTavlionView::PeerNickname() const {
    return net_ ? net_->PeerNickname() : std::string();
}

void CTavlionView::CopyGame() {
    std::string warning;
    const std::string text = scene_.GameAsPgn(&warning);
    if (platform::CopyToClipboard(text) && !warning.empty()) platform::ShowMessageBox(warning);
}

void CTavlionView::CopyPosition() {
    platform::CopyToClipboard(scene_.PositionAsFen());
}

void CTavlionView::PastePosition() {
    scene_.SetUpPosition(platform::ClipboardText());
    emit StateChanged();
}

void CTavlionView::keyPressEvent(QKeyEvent* event) {
    if (!OnKeyTyped(event->key(), event->modifiers(), event->text())) QWidget::keyPressEvent(event);
}

bool CTavlionView::OnKeyTyped(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    switch (key) {
    case Qt::Key_Escape:
        if (typed_.isEmpty()) return false;
        typed_.clear();
        break;
    case Qt::Key_Backspace:
        if (typed_.isEmpty()) return false;
        typed_.chop(1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        if (typed_.trimmed().isEmpty()) return false;
        const std::string move = typed_.trimmed().toStdString();
        typed_.clear();
        ShowTypedMove();
        scene_.PlayTypedMove(move);
        emit StateChanged();
        return true;
    }
    default:
        if (text.size() != 1 || !IsMoveCharacter(text[0])) return false;
        if (typed_.isEmpty() && text[0] == QLatin1Char(' ')) return true;
        if (typed_.size() < kMaxTypedLength) typed_ += text;
    }
    ShowTypedMove();
    return true;
}

void CTavlionView::ShowTypedMove() {
    auto* frame = qobject_cast<QMainWindow*>(window());
    if (!frame) return;
    if (typed_.isEmpty())
        frame->statusBar()->clearMessage();
    else
        frame->statusBar()->showMessage(QStringLiteral("Move: ") + typed_);
}
