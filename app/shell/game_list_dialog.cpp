#include "app/shell/game_list_dialog.h"

#include "notation/pgn_reader.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

namespace {

struct sColumn {
    const char* title;
    const char* tag; // null: the number of moves
};

constexpr sColumn kColumns[] = {
    {"White", "White"},   {"Black", "Black"}, {"Date", "Date"},
    {"Result", "Result"}, {"Moves", nullptr},
};
constexpr int kColumnCount = int(std::size(kColumns));

} // namespace

int CGameListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(games_.size());
}

int CGameListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CGameListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || size_t(index.row()) >= games_.size())
        return {};
    const notation::PgnGameEntry& game = games_[size_t(index.row())];
    const sColumn& column = kColumns[index.column()];
    if (!column.tag) return game.MoveCount();
    return QString::fromLatin1(game.Tag(column.tag));
}

QVariant CGameListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return section >= 0 && section < kColumnCount ? QString::fromLatin1(kColumns[section].title)
                                                  : QVariant();
}

CGameListDlg::CGameListDlg(const std::vector<notation::PgnGameEntry>& games, QWidget* parent)
    : QDialog(parent), model_(games), table_(new QTableView) {
    setWindowTitle(QStringLiteral("Choose a Game"));
    table_->setObjectName(QStringLiteral("gameList"));
    table_->setModel(&model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setStretchLastSection(true);
    // Rows of one height need not be measured one by one.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->setColumnWidth(0, 160);
    table_->setColumnWidth(1, 160);
    if (!games.empty()) table_->selectRow(0);
    connect(table_, &QTableView::doubleClicked, this, &QDialog::accept);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    resize(680, 420);
}

int CGameListDlg::Choose() {
    if (exec() != QDialog::Accepted) return -1;
    const QModelIndex current = table_->currentIndex();
    return current.isValid() ? current.row() : -1;
}
