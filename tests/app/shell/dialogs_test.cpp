#include "shell_fixture.h"

#include "app/shell/about_dialog.h"
#include "app/shell/game_list_dialog.h"
#include "app/shell/promotion_chooser.h"
#include "app/shell/splash_dialog.h"
#include "notation/pgn_reader.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Runs `user` once the chooser's modal loop is up, then returns its answer.
int ChooseWith(CSelPeshka& chooser, int color, std::function<void(CSelPeshka&)> user) {
    QTimer::singleShot(0, &chooser, [&chooser, user] {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&chooser));
        user(chooser);
        if (chooser.isVisible()) chooser.done(QDialog::Rejected); // never hang a test
    });
    return chooser.Choose(color);
}

QPoint CentreOfItem(CSelPeshka& chooser, int row) {
    return chooser.List()->visualItemRect(chooser.List()->item(row)).center();
}

} // namespace

TEST_F(ShellTest, ChooserEscRightAwayGivesTheQueen) {
    CSelPeshka& chooser = *View().PromotionChooser();
    const int type = ChooseWith(chooser, 0, [](CSelPeshka& c) {
        EXPECT_EQ(c.windowTitle(), QStringLiteral("Select Figure"));
        EXPECT_EQ(c.List()->count(), 4);
        EXPECT_EQ(c.List()->currentRow(), 3);
        QTest::keyClick(c.List(), Qt::Key_Escape);
    });
    EXPECT_EQ(type, 5);
}

TEST_F(ShellTest, ChooserClickThenEnterChoosesThatPiece) {
    CSelPeshka& chooser = *View().PromotionChooser();
    const int type = ChooseWith(chooser, 1, [](CSelPeshka& c) {
        QTest::mouseClick(c.List()->viewport(), Qt::LeftButton, {}, CentreOfItem(c, 0));
        EXPECT_EQ(c.PromotionType(), 2);
        QTest::keyClick(c.List(), Qt::Key_Return);
        EXPECT_FALSE(c.isVisible());
    });
    EXPECT_EQ(type, 2);
}

TEST_F(ShellTest, ChooserDoubleClickChoosesAndArrowsSelect) {
    CSelPeshka& chooser = *View().PromotionChooser();
    int type = ChooseWith(chooser, 0, [](CSelPeshka& c) {
        QTest::mouseDClick(c.List()->viewport(), Qt::LeftButton, {}, CentreOfItem(c, 1));
    });
    EXPECT_EQ(type, 3);

    type = ChooseWith(chooser, 0, [](CSelPeshka& c) {
        QTest::keyClick(c.List(), Qt::Key_Left); // queen -> rook
        QTest::keyClick(c.List(), Qt::Key_Enter);
    });
    EXPECT_EQ(type, 4);

    // Each opening starts again from the queen.
    type = ChooseWith(chooser, 0, [](CSelPeshka& c) { QTest::keyClick(c.List(), Qt::Key_Escape); });
    EXPECT_EQ(type, 5);
}

TEST_F(ShellTest, ChooserDoubleClickBesideThePiecesGivesTheQueen) {
    CSelPeshka& chooser = *View().PromotionChooser();
    const int type = ChooseWith(chooser, 0, [](CSelPeshka& c) {
        QTest::mouseClick(c.List()->viewport(), Qt::LeftButton, {}, CentreOfItem(c, 0));
        const QRect last = c.List()->visualItemRect(c.List()->item(3));
        const QPoint beside(last.right() + 8, last.center().y());
        ASSERT_EQ(c.List()->itemAt(beside), nullptr);
        QTest::mouseDClick(c.List()->viewport(), Qt::LeftButton, {}, beside);
    });
    EXPECT_EQ(type, 5);
}

TEST_F(ShellTest, ChooserShowsThePiecesOfTheSideThatPromotes) {
    CSelPeshka& chooser = *View().PromotionChooser();
    QImage queens[2];
    for (int color = 0; color < 2; ++color)
        ChooseWith(chooser, color, [&queens, color](CSelPeshka& c) {
            const QIcon icon = c.List()->item(3)->icon();
            ASSERT_FALSE(icon.isNull());
            queens[color] = icon.pixmap(40, 40).toImage().convertToFormat(QImage::Format_ARGB32);
            QTest::keyClick(c.List(), Qt::Key_Escape);
        });
    ASSERT_EQ(queens[0].size(), QSize(40, 40));
    EXPECT_NE(queens[0], queens[1]);
    // The blue of the pictures is transparent.
    EXPECT_EQ(qAlpha(queens[0].pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(queens[1].pixel(0, 0)), 0);
}

TEST(SplashCountdown, EndsOnTheThirdTickOnly) {
    CSplashCountdown countdown;
    EXPECT_FALSE(countdown.Tick());
    EXPECT_FALSE(countdown.Tick());
    EXPECT_TRUE(countdown.Tick());
    EXPECT_FALSE(countdown.Running());
    EXPECT_FALSE(countdown.Tick());
}

TEST_F(ShellTest, SplashClosesItselfAfterThreeTicks) {
    ASSERT_NE(View().Splash(), nullptr);
    EXPECT_TRUE(View().Splash()->isVisible());
    View().OnTimer();
    View().OnTimer();
    EXPECT_TRUE(View().Splash() && View().Splash()->isVisible());
    View().OnTimer();
    QTest::qWait(20);
    EXPECT_TRUE(!View().Splash() || !View().Splash()->isVisible());
}

TEST_F(ShellTest, AboutShowsTheVersion) {
    CAboutDlg about(&View());
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Tavlion"));
    const auto* text = about.findChild<QLabel*>(QStringLiteral("aboutText"));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(), QStringLiteral("Tavlion Version 1.4"));
}

TEST(SaveAsPath, AppendsTheGameExtensionOnlyWhenMissing) {
    EXPECT_EQ(CTavlionView::SaveAsPath("/games/opening", true), "/games/opening.chs");
    EXPECT_EQ(CTavlionView::SaveAsPath("/games/opening.chs", true), "/games/opening.chs");
    EXPECT_EQ(CTavlionView::SaveAsPath("/games/opening.txt", true), "/games/opening.txt");
    EXPECT_EQ(CTavlionView::SaveAsPath("/games/a.b", true), "/games/a.b.chs");
    EXPECT_EQ(CTavlionView::SaveAsPath("abc", true), "abc.chs");
    EXPECT_EQ(CTavlionView::SaveAsPath("/games/opening", false), "/games/opening");
}

// A move typed into the view shows in the status bar and is played on Enter;
// Escape clears what was typed.
TEST_F(ShellTest, TypedMovesShowInTheStatusBarAndPlayOnEnter) {
    Scene().SetPlayerMode(1);
    CTavlionView& view = View();
    const auto type = [&view](const QString& keys) {
        for (QChar c : keys) EXPECT_TRUE(view.OnKeyTyped(0, Qt::NoModifier, QString(c)));
    };
    type(QStringLiteral("Nf"));
    EXPECT_EQ(Frame().statusBar()->currentMessage(), QStringLiteral("Move: Nf"));
    EXPECT_TRUE(view.OnKeyTyped(Qt::Key_Escape, Qt::NoModifier, {}));
    EXPECT_TRUE(view.TypedMove().isEmpty());
    EXPECT_FALSE(view.OnKeyTyped(Qt::Key_Z, Qt::ControlModifier, QStringLiteral("z")));
    type(QStringLiteral("e4"));
    EXPECT_TRUE(view.OnKeyTyped(Qt::Key_Return, Qt::NoModifier, {}));
    ASSERT_EQ(Scene().moveTable.entries.Count(), 1);
    EXPECT_EQ(Scene().moveTable.entries[0]->text, "E2 - E4");
    EXPECT_TRUE(view.TypedMove().isEmpty());
}

TEST_F(ShellTest, CopiedPositionsPasteBackIntoANewGame) {
    Scene().SetPlayerMode(1);
    ASSERT_TRUE(Scene().PlayTypedMove("e4"));
    View().CopyPosition();
    const std::string fen = QGuiApplication::clipboard()->text().toStdString();
    EXPECT_EQ(fen, "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq - 0 1");
    Scene().NewGame();
    View().PastePosition();
    EXPECT_EQ(Scene().PositionAsFen(), fen);
    EXPECT_EQ(Scene().settings.currentMove, 1);
    QGuiApplication::clipboard()->setText(QStringLiteral("not a position"));
    View().PastePosition();
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_EQ(Scene().PositionAsFen(), fen);
}

// Ten thousand games list at once; the keyboard picks one.
TEST_F(ShellTest, TheGameListTakesThousandsOfGames) {
    std::vector<notation::PgnGameEntry> games(10000);
    games[1].tags = {{"White", "Anna"}, {"Black", "Boris"}, {"Result", "1-0"}};
    CGameListDlg dialog(games, &View());
    EXPECT_EQ(dialog.Table()->model()->rowCount(), 10000);
    EXPECT_EQ(dialog.Table()->model()->index(1, 0).data().toString(), QStringLiteral("Anna"));
    EXPECT_EQ(dialog.Table()->model()->index(1, 3).data().toString(), QStringLiteral("1-0"));
    QTimer::singleShot(0, &dialog, [&dialog] {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(dialog.Table(), Qt::Key_Down);
        QTest::keyClick(dialog.Table(), Qt::Key_Down);
        dialog.accept();
    });
    EXPECT_EQ(dialog.Choose(), 2);
}
