#pragma once

#include <QDialog>

class QListWidget;

// "Select Figure": the pieces a pawn may become, for the side that
// promotes. The queen is preselected; a single click selects, a double
// click or Enter chooses, Esc or the close box keeps the selection.
class CSelPeshka : public QDialog {
    Q_OBJECT
public:
    explicit CSelPeshka(QWidget* parent = nullptr);

    // Runs modally for a pawn of `color` (0 White, 1 Black) and returns the
    // piece type chosen: 2 knight, 3 bishop, 4 rook, 5 queen.
    int Choose(int color);

    int PromotionType() const { return promotionType_; }
    QListWidget* List() const { return list_; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Populate(int color);

    QListWidget* list_;
    int promotionType_ = 5;
};
