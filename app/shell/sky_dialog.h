#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QListWidget;

// "Set Sky": a preview of every environment. Picking one sets the sky
// number and switches the sky at once; closing keeps the last pick.
class CSelectBackGround : public QDialog {
    Q_OBJECT
public:
    // `select` switches the sky to the number it is given (and redraws).
    CSelectBackGround(std::string startupDir, int& skyNumber, std::function<void(int)> select,
                      QWidget* parent = nullptr);

    QListWidget* List() const { return list_; }

    static constexpr int kPreviewSize = 128;

private:
    // Fills the list with the previews; reports what stops it.
    void OnInitDialog();
    void OnItemChanged(int row);

    std::string startupDir_;
    int& skyNumber_;
    std::function<void(int)> select_;
    QListWidget* list_;
};
