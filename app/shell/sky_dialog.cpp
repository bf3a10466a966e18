#include "app/shell/sky_dialog.h"

#include "midi/dialog_units.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "render/environments.h"
#include "render/jpg_file.h"
#include "render/texture_image.h"

#include <QDialogButtonBox>
#include <QImage>
#include <QListWidget>
#include <QPixmap>
#include <QVBoxLayout>

#include <filesystem>
#include <optional>
#include <vector>

namespace {

struct sEnvironment {
    std::string folder;
    std::string name;
};

// Decoded by the program's own loader, so every picture the sky can show
// previews too. Grey pictures are spread to colour; other sizes are scaled.
std::optional<QPixmap> LoadPreview(const std::string& folder) {
    JPG_File picture;
    if (!picture.Load(platform::NativePath(folder + "\\Sky.jpg").c_str())) return std::nullopt;
    const TextureImage rows = TextureFromJpeg(picture, false);
    const QImage image(rows.rgb.data(), rows.width, rows.height, rows.width * 3,
                       QImage::Format_RGB888);
    const int size = CSelectBackGround::kPreviewSize;
    return QPixmap::fromImage(
        image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

} // namespace

CSelectBackGround::CSelectBackGround(std::string startupDir, int& skyNumber,
                                     std::function<void(int)> select, QWidget* parent)
    : QDialog(parent), startupDir_(std::move(startupDir)), skyNumber_(skyNumber),
      select_(std::move(select)), list_(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("Set Sky"));
    setModal(true);
    setSizeGripEnabled(true);

    list_->setObjectName(QStringLiteral("skyList"));
    list_->setViewMode(QListView::IconMode);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setMovement(QListView::Static);
    list_->setResizeMode(QListView::Adjust);
    list_->setFlow(QListView::LeftToRight);
    list_->setWrapping(true);
    list_->setIconSize(QSize(kPreviewSize, kPreviewSize));
    list_->setSpacing(6);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    // The width of the original template; tall enough for one row of
    // previews with their names above the Close button.
    const QSize size = midi::FromDialogUnits(0, 0, 455, 110).size();
    resize(size.width(), size.height() + buttons->sizeHint().height() + 40);

    OnInitDialog();
    connect(list_, &QListWidget::currentRowChanged, this, &CSelectBackGround::OnItemChanged);
}

void CSelectBackGround::OnInitDialog() {
    const std::string folder = EnvironmentsFolder(startupDir_);
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        platform::ShowMessageBox("Can't find 'Enviroment' subdirectory!");
        return;
    }
    const auto names = ListEnvironments(folder);
    if (!names || names->empty()) {
        platform::ShowMessageBox("No Subdirectories!");
        return;
    }

    std::vector<QPixmap> previews;
    for (const std::string& name : *names) {
        const std::string path = folder + platform::kPathSeparator + name;
        std::optional<QPixmap> preview = LoadPreview(path);
        if (!preview) {
            platform::ShowMessageBox("Can't load Sky.jpg from '" + path + "' directory!");
            return; // a list without one of them would misnumber the rest
        }
        previews.push_back(std::move(*preview));
    }
    for (std::size_t i = 0; i < previews.size(); ++i)
        list_->addItem(
            new QListWidgetItem(QIcon(previews[i]), QString::fromStdString((*names)[i])));

    if (skyNumber_ >= 0 && skyNumber_ < list_->count()) {
        list_->setCurrentRow(skyNumber_);
        list_->scrollToItem(list_->currentItem());
    }
}

void CSelectBackGround::OnItemChanged(int row) {
    if (row < 0) return;
    skyNumber_ = row;
    if (select_) select_(row);
}
