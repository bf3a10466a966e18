#pragma once

#include <QAbstractTableModel>
#include <QDialog>

#include <vector>

namespace notation {
struct PgnGameEntry;
}
class QTableView;

// The games of a PGN file as a table: White, Black, Date, Result and the
// number of moves. A model, so a file of thousands of games opens at once.
class CGameListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CGameListModel(const std::vector<notation::PgnGameEntry>& games,
                            QObject* parent = nullptr)
        : QAbstractTableModel(parent), games_(games) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const std::vector<notation::PgnGameEntry>& games_;
};

// Asks which game of a file to import; double-click or OK takes one.
class CGameListDlg : public QDialog {
    Q_OBJECT
public:
    CGameListDlg(const std::vector<notation::PgnGameEntry>& games, QWidget* parent = nullptr);

    // The chosen game's index, or -1 when the dialog was cancelled.
    int Choose();
    QTableView* Table() const { return table_; }

private:
    CGameListModel model_;
    QTableView* table_;
};
