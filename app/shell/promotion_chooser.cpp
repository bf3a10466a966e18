#include "app/shell/promotion_chooser.h"

#include "app/shell/shell_images.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

constexpr int kIconSize = 40;
constexpr int kFirstType = 2; // item i is piece type i + 2
constexpr int kQueenItem = 3;
constexpr int kQueen = 5;

// Item order: knight, bishop, rook, queen.
constexpr const char* kPieceNames[4] = {"knight", "bishop", "rook", "queen"};

QIcon PieceIcon(int item, int color) {
    const QString name = QStringLiteral("pieces/%1_%2.bmp")
                             .arg(color == 0 ? QStringLiteral("white") : QStringLiteral("black"),
                                  QLatin1String(kPieceNames[item]));
    const QImage image = WithBlueTransparent(LoadShellImage(name));
    if (image.isNull()) return {};
    return QIcon(QPixmap::fromImage(image.scaled(kIconSize, kIconSize)));
}

} // namespace

CSelPeshka::CSelPeshka(QWidget* parent) : QDialog(parent), list_(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("Select Figure"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);

    list_->setObjectName(QStringLiteral("pieceList"));
    list_->setViewMode(QListView::IconMode);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setMovement(QListView::Static);
    list_->setResizeMode(QListView::Adjust);
    list_->setFlow(QListView::LeftToRight);
    list_->setIconSize(QSize(kIconSize, kIconSize));
    list_->setGridSize(QSize(kIconSize + 32, kIconSize + 16));
    list_->setSpacing(4);
    list_->viewport()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    resize(350, 88);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) promotionType_ = row + kFirstType;
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        promotionType_ = list_->row(item) + kFirstType;
        accept();
    });
}

void CSelPeshka::Populate(int color) {
    list_->clear();
    for (int item = 0; item < 4; ++item)
        list_->addItem(new QListWidgetItem(PieceIcon(item, color), {}));
    list_->setCurrentRow(kQueenItem);
    list_->scrollToItem(list_->item(kQueenItem));
    promotionType_ = kQueen;
}

int CSelPeshka::Choose(int color) {
    Populate(color);
    exec();
    return promotionType_;
}

void CSelPeshka::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (parentWidget()) {
        const QRect area = parentWidget()->window()->frameGeometry();
        move(area.center() - rect().center());
    }
    list_->setFocus();
}

void CSelPeshka::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

// A double click beside the pieces ends the dialog too, with the queen.
bool CSelPeshka::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!list_->itemAt(mouse->position().toPoint())) {
            promotionType_ = kQueen;
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
