#include "engine/attacks.h"
#include "engine/figure_list.h"
#include "engine/move_generator.h"
#include "position_fixture.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace engine;
using namespace engine_test;

namespace {

std::string Name(int x, int y) {
    return {static_cast<char>('A' + x), static_cast<char>('1' + y)};
}

// "E2E4" for each move, in generated order; castling and captures marked.
std::vector<std::string> Moves(const Position& p, const char* square) {
    Position copy = p;
    MoveList moves;
    GenerateMoves(copy.list, copy.At(square), moves, copy.rules);
    std::vector<std::string> names;
    for (const auto& m : moves)
        names.push_back(Name(m.x, m.y) + (m.kind == kCapture    ? "x"
                                          : m.kind == kCastling ? "c"
                                                                : ""));
    return names;
}

int CountMoves(const Position& p, int color) {
    MoveList moves;
    GenerateAllMoves(p.list, color, moves, p.rules);
    return static_cast<int>(moves.size());
}

std::set<std::string> Attacked(const Position& p, int color, const CFigure* king = nullptr) {
    AttackMap map;
    BuildAttackMap(map, king, p.list, color);
    std::set<std::string> squares;
    for (int i = 0; i < 64; ++i)
        if (map[i]) squares.insert(Name(i % 8, i / 8));
    return squares;
}

using Names = std::vector<std::string>;

} // namespace

TEST(MoveCounts, AgreeWithOrdinaryChessWhereTheRulesCoincide) {
    EXPECT_EQ(CountMoves(InitialPosition(), 0), 20);
    EXPECT_EQ(CountMoves(InitialPosition(), 1), 20);
    EXPECT_EQ(CountMoves(FromPlacement("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR"), 1), 20);
    EXPECT_EQ(CountMoves(FromPlacement("rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR"), 0), 29);
    // A busy middle game with both castlings open.
    Position kiwi = FromPlacement("r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R");
    EXPECT_EQ(CountMoves(kiwi, 0), 48);
    EXPECT_EQ(CountMoves(FromPlacement("4k3/8/8/8/8/8/8/4K3"), 0), 5);
    EXPECT_EQ(CountMoves(FromPlacement("8/8/8/3Q4/8/8/8/K6k"), 0), 27 + 3);
}

TEST(MoveOrder, FollowsTheStepTablesMirroredForColourOne) {
    Position p = FromPlacement("4k3/8/8/3b4/8/8/8/1N2K3");
    EXPECT_EQ(Moves(p, "B1"), (Names{"D2", "A3", "C3"}));
    EXPECT_EQ(Moves(p, "D5").front(), "E4"); // a white bishop would start with E6
    Position white = FromPlacement("4k3/8/8/3B4/8/8/8/4K3");
    EXPECT_EQ(Moves(white, "D5").front(), "E6");
    Position knights = FromPlacement("6n1/8/8/8/8/8/8/6N1");
    EXPECT_EQ(Moves(knights, "G1"), (Names{"F3", "H3", "E2"}));
    EXPECT_EQ(Moves(knights, "G8"), (Names{"F6", "H6", "E7"}));
    // King steps first, then castling towards file A, then towards file H.
    Position castle = FromPlacement("4k3/8/8/8/8/8/8/R3K2R");
    EXPECT_EQ(Moves(castle, "E1"), (Names{"F2", "D2", "F1", "E2", "D1", "C1c", "G1c"}));
}

TEST(PawnMoves, DoubleStepCapturesAndEnPassant) {
    Position blocked = FromPlacement("4k3/8/8/8/8/4n3/4P3/4K3");
    EXPECT_TRUE(Moves(blocked, "E2").empty());
    Position farBlock = FromPlacement("4k3/8/8/8/4n3/8/4P3/4K3");
    EXPECT_EQ(Moves(farBlock, "E2"), (Names{"E3"}));
    Position captures = FromPlacement("4k3/8/8/8/8/3p1P2/4P3/4K3");
    EXPECT_EQ(Moves(captures, "E2"), (Names{"E3", "E4", "D3x"}));
    Position black = FromPlacement("4k3/3p4/4P3/8/8/8/8/4K3");
    EXPECT_EQ(Moves(black, "D7"), (Names{"D6", "D5", "E6x"}));

    Position ep = FromPlacement("4k3/8/8/3pP3/8/8/8/4K3");
    ep.rules[2] = 1;
    ep.rules[4] = 3;
    ep.rules[5] = 5;
    MoveList moves;
    GenerateMoves(ep.list, ep.At("E5"), moves, ep.rules);
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(moves[1].kind, kCapture);
    EXPECT_EQ(moves[1].other, ep.At("D5"));
    EXPECT_EQ(Name(moves[1].x, moves[1].y), "D6");
    ep.rules[2] = 0;
    EXPECT_EQ(Moves(ep, "E5"), (Names{"E6"}));

    // A recorded target with nobody beside it is a plain diagonal step.
    Position empty = FromPlacement("4k3/8/8/4P3/8/8/8/4K3");
    empty.rules[2] = 1;
    empty.rules[4] = 3;
    empty.rules[5] = 5;
    EXPECT_EQ(Moves(empty, "E5"), (Names{"E6", "D6"}));
}

TEST(KingMoves, AvoidAttackedSquaresIncludingBehindTheKing) {
    Position p = FromPlacement("7k/8/8/8/r3K3/8/8/8");
    EXPECT_EQ(Moves(p, "E4"), (Names{"F5", "D5", "D3", "F3", "E5", "E3"}));
    Position capture = FromPlacement("7k/8/8/8/4K3/3p4/8/8");
    EXPECT_EQ(Moves(capture, "E4"), (Names{"F5", "D5", "D3x", "F3", "F4", "E5", "D4", "E3"}));
    Position guarded = FromPlacement("7k/8/8/8/2p1K3/3p4/8/8");
    EXPECT_EQ(Moves(guarded, "E4"), (Names{"F5", "D5", "F3", "F4", "E5", "D4", "E3"}));
}

TEST(Castling, TestsAttacksOnEverySquareButNotTheRookFlags) {
    const std::string open = "4k3/8/8/8/8/8/8/R3K2R";
    EXPECT_EQ(Moves(FromPlacement(open), "E1").size(), 7u);

    Position knightB1 = FromPlacement("4k3/8/8/8/8/2n5/8/R3K2R"); // attacks B1 and D1
    EXPECT_EQ(Moves(knightB1, "E1"), (Names{"F2", "D2", "F1", "G1c"}));
    // Unlike ordinary chess, an attack on B1 alone forbids the long castling.
    Position onlyB1 = FromPlacement("4k3/8/8/8/8/8/b7/R3K2R");
    EXPECT_EQ(Moves(onlyB1, "E1"), (Names{"F2", "D2", "F1", "E2", "D1", "G1c"}));
    Position rookAttacked = FromPlacement("r3k3/8/8/8/8/8/8/R3K3");
    EXPECT_EQ(Moves(rookAttacked, "E1"), (Names{"F2", "D2", "F1", "E2", "D1"}));
    Position inCheck = FromPlacement("4k3/8/8/8/8/8/8/R3K2r");
    for (const auto& m : Moves(inCheck, "E1")) EXPECT_EQ(m.find('c'), std::string::npos) << m;
    Position blocked = FromPlacement("4k3/8/8/8/8/8/8/RN2K2R");
    EXPECT_EQ(Moves(blocked, "E1").back(), "G1c");

    Position moved = FromPlacement(open);
    moved.rules[8] = moved.rules[9] = 1; // a rook left and came back
    EXPECT_EQ(Moves(moved, "E1").size(), 7u);
    moved.rules[0] = 1;
    EXPECT_EQ(Moves(moved, "E1").size(), 5u);

    Position black = FromPlacement("r3k2r/8/8/8/8/8/8/4K3");
    EXPECT_EQ(Moves(black, "E8"), (Names{"F7", "D7", "F8", "E7", "D8", "C8c", "G8c"}));
}

TEST(Attacks, PawnsCoverDiagonalsAndSlidersStopAtTheFirstFigure) {
    Position p = FromPlacement("8/8/8/8/8/8/4P3/8");
    EXPECT_EQ(Attacked(p, 0), (std::set<std::string>{"D3", "F3"}));
    Position black = FromPlacement("8/4p3/8/8/8/8/8/8");
    EXPECT_EQ(Attacked(black, 1), (std::set<std::string>{"D6", "F6"}));
    Position ray = FromPlacement("8/8/8/8/R1p1P3/8/8/8");
    const auto squares = Attacked(ray, 0);
    EXPECT_TRUE(squares.count("B4") && squares.count("C4"));
    EXPECT_FALSE(squares.count("D4"));
    EXPECT_TRUE(squares.count("D5") && squares.count("F5")); // the pawn on E4

    // Lifting the king lets the line reach past it, without writing its record.
    Position lifted = FromPlacement("8/8/8/8/r3K3/8/8/8");
    const CFigure* king = lifted.At("E4");
    EXPECT_FALSE(Attacked(lifted, 1).count("F4"));
    EXPECT_TRUE(Attacked(lifted, 1, king).count("F4"));
    EXPECT_EQ(king->x, 4);

    // Off-board records occupy and attack nothing.
    Position off = FromPlacement("8/8/8/8/r7/8/8/8");
    off.Add(4, 1, "E4")->x = 16;
    EXPECT_EQ(Attacked(off, 1).size(), 14u);
}

TEST(Attacks, AttackerMapCarriesListIndexBits) {
    Position p = FromPlacement("8/8/8/8/8/8/8/R1R5");
    AttackerMap map;
    BuildAttackerMap(map, nullptr, p.list, 0);
    EXPECT_EQ(map[SquareIndex(1, 0)], 3u); // B1, between the rooks
    EXPECT_EQ(map[SquareIndex(0, 5)], 1u);
    EXPECT_EQ(map[SquareIndex(2, 5)], 2u);
    AttackerMap masked{};
    AddAttackers(masked, nullptr, p.list, 0, 2u);
    EXPECT_EQ(masked[SquareIndex(1, 0)], 2u);
    EXPECT_EQ(masked[SquareIndex(0, 5)], 0u);
}

TEST(UpdateRights, SetsMovedFlagsAndWithdrawsTheMoversEnPassant) {
    Position p = FromPlacement("r3k2r/8/8/8/8/8/8/R3K2R");
    p.rules[2] = p.rules[3] = 1;
    p.rules[12] = 7;
    p.rules[13] = 5;
    sRuleState r = p.rules;
    UpdateRights(r, *p.At("A1"));
    EXPECT_EQ(r[8], 1);
    EXPECT_EQ(r[2], 0);
    EXPECT_EQ(r[3], 1);
    UpdateRights(r, *p.At("H8"));
    EXPECT_EQ(r[11], 1);
    EXPECT_EQ(r[3], 0);
    UpdateRights(r, *p.At("E1"));
    EXPECT_EQ(r[0], 1);
    EXPECT_EQ(r[1], 0);
    EXPECT_EQ(r[12], 7);
    EXPECT_EQ(r[13], 5);

    Position rook = FromPlacement("8/8/8/8/8/8/7R/3R4");
    sRuleState q{};
    UpdateRights(q, *rook.At("D1"));
    UpdateRights(q, *rook.At("H2")); // a rook on file H, any rank
    EXPECT_EQ(q[8], 0);
    EXPECT_EQ(q[9], 1);
}
