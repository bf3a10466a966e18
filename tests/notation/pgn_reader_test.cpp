// Game lists and games read from PGN text, with everything a reader must
// pass over, and the messages for what it cannot take.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "notation/fen.h"
#include "notation/pgn_file.h"
#include "notation/pgn_reader.h"
#include "test_positions.h"

namespace notation {
namespace {

using testing::UciOf;

constexpr const char* kThreeGames = R"(% an escape line: [Event "not a tag"]
[Event "Club \"open\" 2024"]
[Site "Here"]
[Date "2024.03.01"]
[Round "1"]
[White "Anna"]
[Black "Boris"]
[Result "1-0"]

{A comment with ( parentheses ), "quotes" and ; a semicolon} 1.e4 $1 e5!? 2. Nf3
(2. f4 exf4 (2... d5 {nested}) 3. Nf3) Nc6 ; the rest of this line: Nd4
3. Bb5 a6 4. Ba4 {4. Bxc6} Nf6 5. O-O 1-0

[Event "Second"]
[White "Carla"]
[Black "Dan"]
[Result "*"]

1. d4 d5 2. c4

[Event "Third"]
[White "Eve"]
[Black "Finn"]
[Date "2023.12.31"]
[SetUp "1"]
[FEN "4k3/8/8/8/8/8/8/4K2R b K - 0 30"]
[Result "1/2-1/2"]

30... Kd7 31. O-O Ke6 1/2-1/2
)";

TEST(PgnList, ListsGamesWithTheirTagsAndMoveCounts) {
    const std::vector<PgnGameEntry> games = ListPgnGames(kThreeGames);
    ASSERT_EQ(games.size(), 3u);
    EXPECT_EQ(games[0].Tag("Event"), "Club \"open\" 2024");
    EXPECT_EQ(games[0].Tag("White"), "Anna");
    EXPECT_EQ(games[0].Tag("Result"), "1-0");
    EXPECT_EQ(games[0].Tag("Annotator"), "");
    EXPECT_EQ(games[0].plyCount, 9);
    EXPECT_EQ(games[0].MoveCount(), 5);
    // A game without a result ends where the next one's tags begin.
    EXPECT_EQ(games[1].Tag("White"), "Carla");
    EXPECT_EQ(games[1].plyCount, 3);
    EXPECT_EQ(games[1].MoveCount(), 2);
    EXPECT_EQ(games[2].Tag("Date"), "2023.12.31");
    EXPECT_EQ(games[2].plyCount, 3);
    EXPECT_EQ(games[2].MoveCount(), 2);
    EXPECT_EQ(games[2].Name(2), "Game 3 (Eve - Finn)");
}

TEST(PgnList, FindsNoGameInTextWithoutOne) {
    EXPECT_TRUE(ListPgnGames("").empty());
    EXPECT_TRUE(ListPgnGames("  {just a comment}\n; and a remark\n% and an escape\n").empty());
    EXPECT_TRUE(ListPgnGames("* * 1. * [] *").empty());
    const std::vector<PgnGameEntry> bare = ListPgnGames("1. e4 e5 *");
    ASSERT_EQ(bare.size(), 1u);
    EXPECT_EQ(bare[0].Name(0), "Game 1");
}

TEST(PgnList, KeepsAFloodOfTagsWithinBounds) {
    std::string text;
    for (int i = 0; i < 1000; ++i) text += "[Tag" + std::to_string(i) + " \"x\"]\n";
    const std::vector<PgnGameEntry> games = ListPgnGames(text + "[White \"late\"]\n1. e4 *");
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].tags.size(), 64u);
    EXPECT_EQ(games[0].Tag("Tag0"), "x");
    EXPECT_EQ(games[0].plyCount, 1);
}

TEST(PgnGame, ReadsTheMainLineAndPassesOverTheRest) {
    const std::vector<PgnGameEntry> games = ListPgnGames(kThreeGames);
    const PgnGameReading first = ReadPgnGame(kThreeGames, games[0], 0);
    ASSERT_TRUE(first) << first.error;
    EXPECT_EQ(UciOf(first.game.moves),
              (std::vector<std::string>{"e2e4", "e7e5", "g1f3", "b8c6", "f1b5", "a7a6", "b5a4",
                                        "g8f6", "e1g1"}));
    EXPECT_EQ(first.game.result, "1-0");
    EXPECT_FALSE(first.game.setUp);

    const PgnGameReading second = ReadPgnGame(kThreeGames, games[1], 1);
    ASSERT_TRUE(second) << second.error;
    EXPECT_EQ(second.game.moves.size(), 3u);
    EXPECT_EQ(second.game.result, "*");

    const PgnGameReading third = ReadPgnGame(kThreeGames, games[2], 2);
    ASSERT_TRUE(third) << third.error;
    EXPECT_TRUE(third.game.setUp);
    EXPECT_EQ(WriteFen(third.game.start), "4k3/8/8/8/8/8/8/4K2R b K - 0 30");
    EXPECT_EQ(UciOf(third.game.moves), (std::vector<std::string>{"e8d7", "e1g1", "d7e6"}));
    EXPECT_EQ(third.game.result, "1/2-1/2");
}

TEST(PgnGame, NamesTheGameAndTheMoveThatIsNotPossible) {
    const std::string text = "[White \"A\"]\n[Black \"B\"]\n\n1. e4 e5 *\n\n"
                             "[White \"Anna\"]\n[Black \"Boris\"]\n\n"
                             "1. e4 e5 2. Nf3 Nc6 3. Nxd5 Nf6 *\n\n"
                             "1. e4 e5 2. Nf3 Nc6 3. Bc4 Ne7 *\n"
                             "[FEN \"8/8/8/8/8/8/8/8 w - - 0 1\"]\n\n*\n";
    const std::vector<PgnGameEntry> games = ListPgnGames(text);
    ASSERT_EQ(games.size(), 4u);
    EXPECT_EQ(ReadPgnGame(text, games[1], 1).error,
              "Game 2 (Anna - Boris): Move 3 of White, Nxd5, is not possible in this position");
    EXPECT_EQ(ReadPgnGame(text, games[2], 2).error,
              "Game 3: Move 3 of Black, Ne7, is ambiguous in this position");
    EXPECT_EQ(ReadPgnGame(text, games[3], 3).error,
              "Game 4: Its FEN tag is refused: White has no king");
    PgnGameEntry outside = games[0];
    outside.end = text.size() + 10;
    EXPECT_FALSE(ReadPgnGame(text, outside, 0));
}

class PgnFile : public ::testing::Test {
protected:
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("notation-pgn-" + std::to_string(::getpid()));
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string Write(const char* name, size_t size) {
        const std::filesystem::path path = dir / name;
        std::ofstream(path, std::ios::binary) << std::string(size, ' ');
        return path.string();
    }
};

TEST_F(PgnFile, ReadsFilesUpToTenMegabytesAndRefusesLarger) {
    const PgnFileReading fits = ReadPgnFile(Write("fits.pgn", kMaxPgnFileBytes));
    ASSERT_TRUE(fits) << fits.error;
    EXPECT_EQ(fits.text.size(), kMaxPgnFileBytes);

    const std::string large = Write("large.pgn", kMaxPgnFileBytes + 1);
    const PgnFileReading refused = ReadPgnFile(large);
    EXPECT_FALSE(refused);
    EXPECT_TRUE(refused.text.empty());
    EXPECT_EQ(refused.error, "The file \"" + large +
                                 "\" is larger than 10 MB; games are imported from smaller "
                                 "files only");

    const std::string missing = (dir / "missing.pgn").string();
    EXPECT_EQ(ReadPgnFile(missing).error, "The file \"" + missing + "\" cannot be opened");
}

} // namespace
} // namespace notation
