#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "fake_services.h"
#include "support/board_value.h"

namespace {

std::string WrittenText(CBoard& board) {
    const std::string text = BoardValueText(board);
    EXPECT_FALSE(text.empty());
    return text;
}

class BoardText : public ::testing::Test, protected CBoardFixture {
protected:
    void NewGame() {
        board.ClearHistory();
        board.SetupFigures();
        board.PushHistory();
    }

    void Play(int32_t fx, int32_t fy, int32_t tx, int32_t ty) {
        CFigure* m = board.FigureAt(fx, fy);
        board.CaptureFigure(board.FigureAt(tx, ty));
        m->x = tx, m->y = ty;
        board.lastMove = {fx, fy, tx, ty};
        board.AddMove();
        board.PushHistory();
    }

    // A game with captures on both sides, set rights and a move text with spaces.
    void PlayGame() {
        NewGame();
        Play(4, 1, 4, 3);
        Play(3, 6, 3, 4);
        Play(4, 3, 3, 4);
        Play(3, 7, 3, 4);
        Play(1, 0, 2, 2);
        Play(3, 4, 2, 2);
        board.rights[0] = 1;
        board.rights[3] = 1;
        board.rights[6] = -7;
        board.rights[11] = 1;
        board.PushHistory();
    }
};

// What a saved new game holds, spelled out.
TEST_F(BoardText, NewGameBytes) {
    board.lastMove = {};
    NewGame();
    const std::string figures = "1 0 0 1 1 0 1 1 1 0 2 1 1 0 3 1 1 0 4 1 1 0 5 1 1 0 6 1 1 0 7 1 "
                                "2 0 1 0 2 0 6 0 3 0 2 0 3 0 5 0 4 0 0 0 4 0 7 0 5 0 3 0 6 0 4 0 "
                                "1 1 0 6 1 1 1 6 1 1 2 6 1 1 3 6 1 1 4 6 1 1 5 6 1 1 6 6 1 1 7 6 "
                                "2 1 1 7 2 1 6 7 3 1 2 7 3 1 5 7 4 1 0 7 4 1 7 7 5 1 3 7 6 1 4 7 ";
    const std::string rights = "0 0 0 0 0 0 0 0 0 0 0 0 ";
    const std::string expected = "32 " + figures + rights + "0 0 " + "1 " + rights +
                                 "-1 -1 -1 -1 " + "32 " + figures + "0 0 " + "0 \r\n";
    EXPECT_EQ(WrittenText(board), expected);
}

TEST_F(BoardText, MoveEntriesAreTabSeparated) {
    NewGame();
    Play(4, 1, 4, 3);
    const std::string text = WrittenText(board);
    EXPECT_EQ(text.substr(text.size() - 21), " 1 E2 - E4\t4\t1\t4\t3\t\r\n");
}

TEST_F(BoardText, RoundTripRestoresEverything) {
    PlayGame();
    moves.entries[1]->text = "D7 - D5 !";
    const std::string text = WrittenText(board);

    CFakeServices otherServices;
    CMoveTable otherMoves;
    otherMoves.firstShown = 4;
    CBoard other(otherServices, otherMoves);
    ASSERT_EQ(other.ParseText(text.c_str()), 1);
    EXPECT_EQ(WrittenText(other), text);
    EXPECT_EQ(other.historyIndex, other.history.Count() - 1);
    EXPECT_EQ(other.history.Count(), 8);
    EXPECT_EQ(other.moveCount, 6);
    EXPECT_EQ(otherMoves.firstShown, 0);
    EXPECT_EQ(otherMoves.entries[1]->text, "D7 - D5 !");
    EXPECT_EQ(other.capturedBlack.Count(), 1);
    ASSERT_EQ(other.capturedWhite.Count(), 2);
    EXPECT_EQ(Fields(*other.capturedWhite[0]), (sFields{kPawn, kWhite, 3, 4}));
    EXPECT_EQ(other.rights[6], -7);

    // Undo works on the loaded game, last moves included.
    other.StepBack();
    EXPECT_EQ(other.lastMove, (sLastMove{3, 4, 2, 2}));
    EXPECT_EQ(other.FigureAt(2, 2)->type, kQueen);
    other.StepBack();
    EXPECT_EQ(other.lastMove, (sLastMove{1, 0, 2, 2}));
    EXPECT_EQ(other.capturedWhite.Count(), 1);
}

TEST_F(BoardText, ReadingKeepsWhatTheValueDoesNotHold) {
    PlayGame();
    const std::string text = WrittenText(board);
    board.rights[12] = 1;
    board.rights[13] = 4;
    board.lastMove = {1, 2, 3, 4};
    board.gameOver = 1;
    services.currentMove = kBlack;
    ASSERT_EQ(board.ParseText(text.c_str()), 1);
    EXPECT_EQ(board.rights[12], 1);
    EXPECT_EQ(board.rights[13], 4);
    EXPECT_EQ(board.lastMove, (sLastMove{1, 2, 3, 4}));
    EXPECT_EQ(board.gameOver, 1);
    EXPECT_EQ(services.currentMove, kBlack);
}

TEST_F(BoardText, EmptyHistoryGetsThePositionAsRecordZero) {
    const char* text = "2 6 0 4 0 6 1 4 7 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ";
    ASSERT_EQ(board.ParseText(text), 1);
    ASSERT_EQ(board.history.Count(), 1);
    EXPECT_EQ(board.historyIndex, 0);
    EXPECT_EQ(board.history[0]->pieces, (std::vector<sState>{{6, 0, 4, 0}, {6, 1, 4, 7}}));
    EXPECT_EQ(board.rights[0], 1);
    EXPECT_EQ(board.moveCount, 0);
}

TEST_F(BoardText, LineEndsAndTrimmedSeparatorsAreAccepted) {
    PlayGame();
    std::string text = WrittenText(board);
    const std::string written = text;
    text.erase(text.size() - 2);
    for (const std::string& variant :
         {text, text + "\n", text + "\r\n", text.substr(0, text.size() - 1)}) {
        ASSERT_EQ(board.ParseText(variant.c_str()), 1) << variant.substr(variant.size() - 8);
        EXPECT_EQ(WrittenText(board), written);
    }
}

// A bad value leaves the board exactly as it was and says so.
TEST_F(BoardText, MalformedValuesChangeNothing) {
    PlayGame();
    const std::string good = WrittenText(board);
    const std::string body = good.substr(0, good.size() - 2);
    const std::string newGame = [&] {
        CFakeServices s;
        CMoveTable m;
        CBoard b(s, m);
        b.SetupFigures();
        b.PushHistory();
        return WrittenText(b);
    }();

    std::vector<std::string> bad = {
        "",
        "\r\n",
        "x",
        "-1 ",
        "2147483648 ",
        "99999999999999999999 ",
        "1000000000 1 0 0 0",
        "1 7 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ",       // no such figure type
        "1 1 2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ",       // no such colour
        "1 1 0 8 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ",       // off the board
        "2 1 0 3 3 1 1 3 3 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ", // one square, two figures
        "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ",                   // no history count
        "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 -5 0 ",
        "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 A1\t0\t0\t0", // a move field missing
        "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 A1 - A2",     // no tab at all
        "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 7",           // trailing rubbish
        "0  0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ",           // doubled separator
        "0,0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ",
    };
    // Without its final tab the body is still whole.
    for (size_t cut = 1; cut < body.size() - 1; ++cut) bad.push_back(body.substr(0, cut));
    for (size_t cut = 1; cut < newGame.size() - 3; ++cut) bad.push_back(newGame.substr(0, cut));

    for (const std::string& value : bad) {
        EXPECT_EQ(board.ParseText(value.c_str()), 0)
            << "value: " << value.size() << " of " << good.size() << " ..."
            << value.substr(value.size() > 40 ? value.size() - 40 : 0);
        EXPECT_EQ(WrittenText(board), good);
    }
    EXPECT_EQ(board.historyIndex, 7);
    EXPECT_EQ(board.moveCount, 6);
    EXPECT_EQ(board.ParseText(nullptr), 0);
}

TEST_F(BoardText, ReadMovesOnItsOwn) {
    const char* text = "xx 2 E2 - E4\t4\t1\t4\t3\tE7 - E5\t4\t6\t4\t4\t";
    size_t position = 3;
    moves.firstShown = 2;
    ASSERT_EQ(moves.ReadMoves(text, position), 1);
    EXPECT_EQ(position, strlen(text));
    ASSERT_EQ(moves.entries.Count(), 2);
    EXPECT_EQ(moves.entries[1]->text, "E7 - E5");
    EXPECT_EQ(moves.entries[1]->toY, 4);
    EXPECT_EQ(moves.firstShown, 0);

    position = 3;
    EXPECT_EQ(moves.ReadMoves("xx 3 E2 - E4\t4\t1\t4\t3\t", position), 0);
    EXPECT_EQ(position, 3u);
    EXPECT_EQ(moves.entries.Count(), 2);
    position = 100;
    EXPECT_EQ(moves.ReadMoves("0 ", position), 0);
}

} // namespace
