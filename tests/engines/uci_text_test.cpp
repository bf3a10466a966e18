// Reading the protocol's lines both ways, including what a careless or
// hostile peer may send.
#include <gtest/gtest.h>

#include "engines/uci_text.h"
#include "notation/fen.h"

namespace uci {
namespace {

TEST(UciText, MovesAreFourSquaresAndAnOptionalPromotion) {
    EXPECT_EQ(ToUci(*ReadMove("e2e4")), "e2e4");
    EXPECT_EQ(ToUci(*ReadMove("e7e8n")), "e7e8n");
    for (const char* bad : {"", "0000", "e2e9", "i2e4", "e2e4k", "e7e8Q", "e2-e4", "e2e4qq"})
        EXPECT_FALSE(ReadMove(bad)) << bad;
}

TEST(UciText, PositionsFromStartOrFenWithMoves) {
    const PositionCommand fromStart = ReadPosition(Words("position startpos moves e2e4 c7c5"));
    ASSERT_TRUE(fromStart);
    EXPECT_EQ(notation::WriteFen(fromStart.position),
              "rnbqkbnr/pp1ppppp/8/2p5/4P3/8/PPPP1PPP/RNBQKBNR w KQkq - 0 2");
    const PositionCommand fromFen =
        ReadPosition(Words("position fen 4k3/8/8/8/8/8/8/R3K3 w Q - 0 1 moves e1c1"));
    ASSERT_TRUE(fromFen);
    EXPECT_EQ(notation::WriteFen(fromFen.position), "4k3/8/8/8/8/8/8/2KR4 b - - 1 1");
    // Counters may be left out, as some programs do.
    EXPECT_TRUE(ReadPosition(Words("position fen 4k3/8/8/8/8/8/8/4K3 w - -")));
    for (const char* bad :
         {"position", "position fen", "position fen x", "position startpos moves e2e5",
          "position startpos moves e2e4 e2e4", "position somewhere"})
        EXPECT_FALSE(ReadPosition(Words(bad))) << bad;
}

TEST(UciText, GoLimits) {
    const GoCommand go = ReadGo(Words("go wtime 300000 btime 299000 winc 0 movestogo 40 depth 4"));
    EXPECT_EQ(go.whiteTimeMs, 300000);
    EXPECT_EQ(go.blackTimeMs, 299000);
    EXPECT_EQ(go.depth, 4);
    EXPECT_FALSE(go.infinite);
    EXPECT_TRUE(ReadGo(Words("go infinite")).infinite);
    EXPECT_EQ(ReadGo(Words("go movetime 250")).moveTimeMs, 250);
    // Missing or absurd numbers are no limit or a clamped one.
    EXPECT_EQ(ReadGo(Words("go depth")).depth, -1);
    EXPECT_EQ(ReadGo(Words("go depth x")).depth, -1);
    EXPECT_EQ(ReadGo(Words("go depth 99999999999999999999")).depth, -1);
    EXPECT_EQ(ReadGo(Words("go movetime 99999999999")).moveTimeMs, 1000000000);
}

TEST(UciText, OptionsBothWays) {
    const auto set = ReadSetOption(Words("setoption name Skill Level value 3"));
    ASSERT_TRUE(set);
    EXPECT_EQ(set->name, "Skill Level");
    EXPECT_EQ(set->value, "3");
    EXPECT_EQ(ReadSetOption(Words("setoption name Clear Hash"))->value, "");
    EXPECT_FALSE(ReadSetOption(Words("setoption value 3")));
    EXPECT_FALSE(ReadSetOption(Words("setoption name")));

    const auto offer =
        ReadOption(Words("option name UCI_Elo type spin default 1320 min 1320 max 3190"));
    ASSERT_TRUE(offer);
    EXPECT_EQ(offer->name, "UCI_Elo");
    EXPECT_EQ(offer->type, "spin");
    EXPECT_EQ(offer->min, 1320);
    EXPECT_EQ(offer->max, 3190);
    EXPECT_EQ(ReadOption(Words("option name Debug Log File type string default"))->name,
              "Debug Log File");
    EXPECT_FALSE(ReadOption(Words("option type spin")));
    EXPECT_EQ(SetOptionLine("Skill Level", "0"), "setoption name Skill Level value 0");
}

TEST(UciText, AnswersOfTheEngine) {
    EXPECT_EQ(*ReadBestMove(Words("bestmove e2e4 ponder e7e5")), "e2e4");
    EXPECT_EQ(*ReadBestMove(Words("bestmove (none)")), "(none)");
    EXPECT_FALSE(ReadBestMove(Words("bestmove")));
    const std::vector<std::string> info =
        Words("info depth 7 seldepth 9 score cp -31 nodes 5120 nps 1000 time 12 pv e2e4");
    EXPECT_EQ(*InfoValue(info, "depth"), 7);
    EXPECT_EQ(*InfoValue(info, "score cp"), -31);
    EXPECT_EQ(*InfoValue(info, "nodes"), 5120);
    EXPECT_FALSE(InfoValue(info, "score mate"));
    EXPECT_FALSE(InfoValue(Words("info depth"), "depth"));
}

} // namespace
} // namespace uci
