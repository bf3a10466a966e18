#include "engine/attacks.h"
#include "engine/figure_list.h"
#include "engine/game_status.h"
#include "engine/move_generator.h"
#include "platform/message_box.h"
#include "position_fixture.h"

#include <gtest/gtest.h>

#include <random>

using namespace engine;
using namespace engine_test;

namespace {

GameStatus StatusOf(const Position& p, int color) {
    return GameStatusOf(color, p.list, p.rules);
}

// The plain reading of the status: replay each move on a copy and look at the
// king afresh.
GameStatus ExplicitStatus(const Position& p, int color, bool& enPassantInCheck) {
    MoveList moves;
    GenerateAllMoves(p.list, color, moves, p.rules);
    enPassantInCheck = false;
    if (!KingAttacked(p, color)) return moves.empty() ? kStatusStalemate : kStatusNormal;
    bool escape = false;
    for (const auto& m : moves) {
        if (m.other && m.other->type == 6) continue;
        if (m.kind == kCapture && (m.other->x != m.x || m.other->y != m.y)) enPassantInCheck = true;
        escape = escape || !KingAttacked(Play(p, m), color);
    }
    return escape ? kStatusCheck : kStatusMate;
}

struct CapturedBoxes {
    std::vector<std::string> texts;
    platform::MessageBoxHandler previous;
    CapturedBoxes() {
        previous = platform::SetMessageBoxHandler(
            [this](const std::string& text, const std::string& caption, int) {
                texts.push_back(caption + ": " + text);
                return platform::kIdOk;
            });
    }
    ~CapturedBoxes() { platform::SetMessageBoxHandler(previous); }
};

} // namespace

TEST(GameStatus, ReportsTheFourCodes) {
    EXPECT_EQ(StatusOf(InitialPosition(), 0), kStatusNormal);
    EXPECT_EQ(StatusOf(InitialPosition(), 1), kStatusNormal);
    Position foolsMate = FromPlacement("rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR");
    EXPECT_EQ(StatusOf(foolsMate, 0), kStatusMate);
    Position check = FromPlacement("rnbqkbnr/ppp2ppp/3p4/1B2p3/4P3/8/PPPP1PPP/RNBQK1NR");
    EXPECT_EQ(StatusOf(check, 1), kStatusCheck);
    Position stalemate = FromPlacement("k7/8/1QK5/8/8/8/8/8");
    EXPECT_EQ(StatusOf(stalemate, 1), kStatusStalemate);
    Position bare = FromPlacement("k7/8/8/8/3Q4/8/8/K7");
    EXPECT_EQ(StatusOf(bare, 1), kStatusNormal);
}

TEST(GameStatus, CountsCaptureBlockAndKingStepAsEscapes) {
    // Only taking the checker helps.
    Position capture = FromPlacement("6rk/8/8/8/8/R7/5PPP/r5K1");
    EXPECT_EQ(StatusOf(capture, 0), kStatusCheck);
    capture.Remove(capture.At("A3"));
    EXPECT_EQ(StatusOf(capture, 0), kStatusMate);
    // Only a block helps.
    EXPECT_EQ(StatusOf(FromPlacement("6rk/8/8/8/8/3B4/5PPP/r5K1"), 0), kStatusCheck);
    // Only a king step helps.
    EXPECT_EQ(StatusOf(FromPlacement("7k/8/8/8/8/8/5PP1/r5K1"), 0), kStatusCheck);
    // Taking the enemy king is never an escape.
    EXPECT_EQ(StatusOf(FromPlacement("8/8/8/8/8/8/1k6/K7"), 0), kStatusMate);
}

TEST(GameStatus, PinnedMovesKeepTheGameNormalAndEnPassantCounts) {
    // Black can move only a pinned bishop: normal, not stalemate.
    EXPECT_EQ(StatusOf(FromPlacement("kb5R/8/1K6/8/8/8/8/8"), 1), kStatusNormal);

    // The checking pawn is taken en passant or the king steps aside.
    Position ep = FromPlacement("8/8/8/3k4/3pP3/8/8/4K3");
    ep.rules[3] = 1;
    ep.rules[6] = 4;
    ep.rules[7] = 2;
    EXPECT_EQ(StatusOf(ep, 1), kStatusCheck);
}

TEST(GameStatus, MissingKingShowsTheDebugMessage) {
    CapturedBoxes boxes;
    Position p = FromPlacement("8/8/8/8/8/8/P7/K7");
    EXPECT_EQ(StatusOf(p, 1), kStatusStalemate);
    EXPECT_EQ(boxes.texts, std::vector<std::string>{"Debug: pKorol == NULL"});
    Position withMoves = FromPlacement("8/p7/8/8/8/8/8/K7");
    EXPECT_EQ(StatusOf(withMoves, 1), kStatusNormal);
    EXPECT_EQ(boxes.texts.size(), 2u);
}

TEST(GameStatus, AgreesWithReplayingEveryMoveOnRandomGames) {
    std::mt19937 random(20240611);
    int compared = 0, checks = 0, mates = 0;
    for (int game = 0; game < 80; ++game) {
        Position p = InitialPosition();
        int side = 0;
        for (int ply = 0; ply < 160; ++ply) {
            bool enPassantInCheck = false;
            const GameStatus expected = ExplicitStatus(p, side, enPassantInCheck);
            if (!enPassantInCheck) {
                ASSERT_EQ(StatusOf(p, side), expected) << "game " << game << " ply " << ply;
                ++compared;
                checks += expected == kStatusCheck;
                mates += expected == kStatusMate;
            }
            const auto moves = SafeMoves(p, side);
            if (moves.empty() || p.records.size() <= 3) break;
            p = Play(p, moves[random() % moves.size()]);
            side = 1 - side;
        }
    }
    EXPECT_GT(compared, 3000);
    EXPECT_GT(checks, 50);
    EXPECT_GT(mates, 3);
}

TEST(GameStatus, NeverWritesTheCallersRecords) {
    Position p = FromPlacement("r3k2r/8/8/8/8/8/8/R3K2R");
    p.At("A8")->x = 3;
    const Position before = p;
    StatusOf(p, 0);
    StatusOf(p, 1);
    for (std::size_t i = 0; i < p.records.size(); ++i) {
        EXPECT_EQ(p.records[i].x, before.records[i].x);
        EXPECT_EQ(p.records[i].y, before.records[i].y);
    }
}
