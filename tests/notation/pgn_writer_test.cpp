// PGN written for games, read back by the library's own reader, and the
// small texts around it: dates, player names, results, move numbers.
#include <gtest/gtest.h>

#include <sstream>

#include "notation/fen.h"
#include "notation/move_numbers.h"
#include "notation/pgn_reader.h"
#include "notation/pgn_writer.h"
#include "notation/play.h"
#include "notation/san.h"
#include "random_games.h"

namespace notation {
namespace {

TEST(PgnWriter, WritesTheSevenTagRosterAndTheMoves) {
    PgnExport game;
    game.header.date = PgnDate(2024, 5, 17);
    game.header.white = "Anna";
    game.header.black = ComputerPlayerName(1);
    game.san = {"e4", "e5", "Nf3"};
    EXPECT_EQ(WritePgn(game), "[Event \"Tavlion game\"]\n"
                              "[Site \"?\"]\n"
                              "[Date \"2024.05.17\"]\n"
                              "[Round \"-\"]\n"
                              "[White \"Anna\"]\n"
                              "[Black \"Tavlion (Medium)\"]\n"
                              "[Result \"*\"]\n"
                              "\n"
                              "1. e4 e5 2. Nf3 *\n"
                              "\n");
}

TEST(PgnWriter, WritesASetUpStartWithItsTagsAndNumbers) {
    PgnExport game;
    game.start = ReadFen("4k3/8/8/8/8/8/8/4K2R b K - 0 30").position;
    game.header.result = "1/2-1/2";
    game.san = {"Kd7", "O-O", "Ke6"};
    const std::string text = WritePgn(game);
    EXPECT_NE(text.find("[Result \"1/2-1/2\"]\n[SetUp \"1\"]\n"
                        "[FEN \"4k3/8/8/8/8/8/8/4K2R b K - 0 30\"]\n\n"
                        "30... Kd7 31. O-O Ke6 1/2-1/2\n"),
              std::string::npos)
        << text;
}

TEST(PgnWriter, EscapesTagValuesAndKeepsCommentsClosed) {
    PgnExport game;
    game.header.white = "Anna \"the rook\" \\ K\nsecond line";
    game.comment = "Move 1 of White, O-O, is odd} {really";
    game.san = {"e4"};
    const std::string text = WritePgn(game);
    EXPECT_NE(text.find("[White \"Anna \\\"the rook\\\" \\\\ K second line\"]"), std::string::npos)
        << text;
    EXPECT_NE(text.find("{Move 1 of White, O-O, is odd) {really} 1. e4 *"), std::string::npos)
        << text;
    const std::vector<PgnGameEntry> games = ListPgnGames(text);
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].Tag("White"), "Anna \"the rook\" \\ K second line");
    EXPECT_EQ(games[0].plyCount, 1);
}

TEST(PgnWriter, WrapsBelowEightyColumnsAndReadsBackTheSameGames) {
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        const testing::RandomGame played = testing::PlayRandomGame(seed, 300);
        PgnExport game;
        game.san = SanOfMoves(played.start, played.moves);
        game.header.result = ResultOf(played.positions.back());
        const std::string text = WritePgn(game);
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            EXPECT_LT(line.size(), 80u) << line;
            EXPECT_FALSE(!line.empty() && line.back() == '.') << "a number apart: " << line;
        }
        const std::vector<PgnGameEntry> games = ListPgnGames(text);
        ASSERT_EQ(games.size(), 1u);
        const PgnGameReading back = ReadPgnGame(text, games[0], 0);
        ASSERT_TRUE(back) << back.error;
        EXPECT_EQ(back.game.moves, played.moves) << "seed " << seed;
        EXPECT_EQ(back.game.result, game.header.result);
    }
}

TEST(PgnWriter, DatesNamesAndResults) {
    EXPECT_EQ(PgnDate(2024, 1, 2), "2024.01.02");
    EXPECT_EQ(PgnDate(0, 13, 0), "????.??.??");
    EXPECT_EQ(ComputerPlayerName(0), "Tavlion (Easy)");
    EXPECT_EQ(ComputerPlayerName(2), "Tavlion (Difficult)");
    const auto result = [](const char* fen) { return ResultOf(ReadFen(fen).position); };
    EXPECT_EQ(result("6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1"), "*");
    EXPECT_EQ(result("R5k1/5ppp/8/8/8/8/8/6K1 b - - 0 1"), "1-0");
    EXPECT_EQ(result("6k1/8/8/8/8/8/5PPP/r5K1 w - - 0 1"), "0-1");
    EXPECT_EQ(result("7k/5Q2/6K1/8/8/8/8/8 b - - 0 1"), "1/2-1/2");
}

TEST(MoveNumbers, NumberWhitesMovesAndABlackStart) {
    const std::vector<std::string> moves = {"e4", "e5", "Nf3", "Nc6"};
    EXPECT_EQ(MoveText(moves, 1, 0), "1. e4 e5 2. Nf3 Nc6");
    EXPECT_EQ(MoveText({"e5", "Nf3"}, 1, 1), "1. ... e5 2. Nf3");
    EXPECT_EQ(MoveText({"e5", "Nf3"}, 7, 1, NumberStyle::kPgn), "7... e5 8. Nf3");
    EXPECT_EQ(NumberedMoves(moves, 1, 0, NumberStyle::kScreen),
              (std::vector<std::string>{"1. e4", "e5", "2. Nf3", "Nc6"}));
    EXPECT_EQ(MoveName(0, 1, 0), "Move 1 of White");
    EXPECT_EQ(MoveName(23, 1, 0), "Move 12 of Black");
    EXPECT_EQ(MoveName(1, 30, 1), "Move 31 of White");
}

} // namespace
} // namespace notation
