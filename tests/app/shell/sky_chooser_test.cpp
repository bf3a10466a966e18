#include "shell_fixture.h"

#include "app/shell/sky_dialog.h"
#include "render/environments.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <functional>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// Opens "Set Sky" through the view and runs `user` on it once it is up.
void ChooseSkyWith(CTavlionView& view, std::function<void(CSelectBackGround&)> user) {
    bool ran = false;
    QTimer::singleShot(0, &view, [&ran, user] {
        auto* dialog = qobject_cast<CSelectBackGround*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        ran = true;
        user(*dialog);
        if (dialog->isVisible()) dialog->reject(); // never hang a test
    });
    view.ChooseSky();
    EXPECT_TRUE(ran);
}

QPoint CentreOfItem(const QListWidget& list, int row) {
    return list.visualItemRect(list.item(row)).center();
}

std::string FolderName(const std::string& path) {
    return fs::path(path).filename().string();
}

// The sky region of a frame: above the board, beside the clocks.
QColor SkyPixel(const QImage& frame) {
    return frame.pixelColor(frame.width() / 8, frame.height() / 5);
}

} // namespace

TEST_F(ShellTest, SetSkyListsEveryEnvironmentAndAPickSwitchesTheSkyAtOnce) {
    ShowWindow();
    ASSERT_TRUE(boxes.empty()) << boxes.front();
    const auto names = ListEnvironments(EnvironmentsFolder(Scene().startupDir));
    ASSERT_TRUE(names && names->size() >= 2);
    EXPECT_EQ(FolderName(View().Sky().EnvironmentFolder()), names->front());
    Scene().settings.skyFlague = 1;
    const QColor before = SkyPixel(View().GrabFrame());

    QColor afterPick;
    ChooseSkyWith(View(), [&](CSelectBackGround& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Set Sky"));
        EXPECT_TRUE(dialog.isSizeGripEnabled());
        QListWidget& list = *dialog.List();
        EXPECT_EQ(list.viewMode(), QListView::IconMode);
        EXPECT_EQ(list.iconSize(), QSize(128, 128));
        ASSERT_EQ(list.count(), int(names->size()));
        for (int i = 0; i < list.count(); ++i) {
            EXPECT_EQ(list.item(i)->text().toStdString(), (*names)[std::size_t(i)]);
            EXPECT_FALSE(list.item(i)->icon().isNull());
        }
        EXPECT_EQ(list.currentRow(), 0);

        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, CentreOfItem(list, 1));
        EXPECT_EQ(Scene().settings.skyNumber, 1);
        EXPECT_EQ(FolderName(View().Sky().EnvironmentFolder()), (*names)[1]);
        afterPick = SkyPixel(View().GrabFrame());

        // Resizing keeps the list filling the dialog.
        dialog.resize(dialog.width() + 120, dialog.height() + 60);
        QTest::qWait(20);
        EXPECT_EQ(list.width(), dialog.width());

        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        ASSERT_NE(buttons, nullptr);
        buttons->button(QDialogButtonBox::Close)->click();
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_NE(afterPick, before) << "the view shows the new sky while the dialog is open";
    EXPECT_EQ(Scene().settings.skyNumber, 1) << "closing keeps the last pick";
    EXPECT_TRUE(boxes.empty());

    // Opened again it starts on the current sky, and the number is kept in
    // the settings file on exit.
    ChooseSkyWith(View(),
                  [](CSelectBackGround& dialog) { EXPECT_EQ(dialog.List()->currentRow(), 1); });
    App().DestroyMainWindow();
    std::ifstream file(workDir / "Tavlion.INI");
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_NE(text.str().find("Sky Number"), std::string::npos);
    ASSERT_TRUE(App().CreateMainWindow());
    EXPECT_EQ(Scene().settings.skyNumber, 1);
    EXPECT_EQ(FolderName(View().Sky().EnvironmentFolder()), (*names)[1]);
}

TEST_F(ShellTest, SetSkyReportsBrokenEnvironmentFoldersAndOpensEmpty) {
    const fs::path base = workDir / "broken";
    const fs::path environments = base / "Environment";
    int skyNumber = 0;
    int switches = 0;
    auto open = [&] {
        boxes.clear();
        CSelectBackGround dialog(base.string(), skyNumber, [&](int) { ++switches; });
        return dialog.List()->count();
    };

    fs::create_directories(base);
    EXPECT_EQ(open(), 0);
    EXPECT_EQ(boxes, std::vector<std::string>{"Can't find 'Enviroment' subdirectory!"});

    fs::create_directories(environments);
    EXPECT_EQ(open(), 0);
    EXPECT_EQ(boxes, std::vector<std::string>{"No Subdirectories!"});

    // One preview missing: none is listed, since the numbers would shift.
    const fs::path staged = fs::path(Scene().startupDir) / "Environment";
    const auto names = ListEnvironments(staged.string());
    ASSERT_TRUE(names && !names->empty());
    fs::copy(staged / names->front(), environments / "A");
    fs::create_directories(environments / "B");
    EXPECT_EQ(open(), 0);
    EXPECT_EQ(boxes, std::vector<std::string>{"Can't load Sky.jpg from '" +
                                              (environments / "B").string() + "' directory!"});

    // A picture that is no JPEG fails the same way.
    std::ofstream(environments / "B" / "Sky.jpg") << "not a picture";
    EXPECT_EQ(open(), 0);
    EXPECT_EQ(boxes.size(), 1u);

    fs::remove_all(environments / "B");
    EXPECT_EQ(open(), 1);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(switches, 0) << "opening alone switches nothing";
    EXPECT_EQ(skyNumber, 0);
}
