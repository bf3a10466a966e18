#include <gtest/gtest.h>

#include "fake_services.h"

#include <string>
#include <vector>

// The draw rules: which positions repeat, when fifty moves are up, and which
// material cannot mate. The board only tells what may be claimed.
namespace {

class DrawRules : public ::testing::Test, protected CBoardFixture {
protected:
    // A game from the figures on the board, White to move.
    void Begin() {
        board.ClearHistory();
        board.positions.assign(1, board.CurrentPositionKey());
    }

    // A move as a peer's arrives, with the en passant right the mover's
    // board would have sent along.
    void Play(const char* from, const char* to) {
        const int fx = from[0] - 'a', fy = from[1] - '1', tx = to[0] - 'a', ty = to[1] - '1';
        CFigure* m = board.FigureAt(fx, fy);
        ASSERT_NE(m, nullptr) << from;
        services.currentMove = m->color;
        board.UpdateEnPassant(m, fy, tx, ty);
        if (m->type == kKing) board.rights[rule::KingMoved(m->color)] = 1;
        if (m->type == kRook && fx == 7) board.rights[rule::RookHMoved(m->color)] = 1;
        if (m->type == kRook && fx == 0) board.rights[rule::RookAMoved(m->color)] = 1;
        board.ApplyRemoteMove(fx, fy, tx, ty);
    }

    void PlayAll(const std::vector<std::pair<const char*, const char*>>& moves) {
        for (auto [from, to] : moves) Play(from, to);
    }

    void KnightsOutAndBack() { PlayAll({{"g1", "f3"}, {"g8", "f6"}, {"f3", "g1"}, {"f6", "g8"}}); }
};

TEST_F(DrawRules, ThreefoldRepetitionOfTheWholePosition) {
    board.SetupFigures();
    Begin();
    KnightsOutAndBack();
    EXPECT_EQ(board.ClaimableDraw(), DrawClaim::None); // twice
    PlayAll({{"g1", "f3"}, {"g8", "f6"}, {"f3", "g1"}});
    EXPECT_EQ(board.ClaimableDraw(), DrawClaim::None);
    Play("f6", "g8");
    EXPECT_EQ(board.ClaimableDraw(), DrawClaim::Repetition);
    EXPECT_STREQ(DrawClaimText(board.ClaimableDraw()), "threefold repetition");
}

TEST_F(DrawRules, TheSamePlacementWithOtherCastlingRightsIsNoRepetition) {
    Put(kKing, kWhite, 4, 0);
    Put(kRook, kWhite, 7, 0);
    Put(kKing, kBlack, 4, 7);
    Put(kRook, kBlack, 7, 7);
    Begin();
    const auto rooksOutAndBack = [&] {
        PlayAll({{"h1", "h2"}, {"h8", "h7"}, {"h2", "h1"}, {"h7", "h8"}});
    };
    rooksOutAndBack();
    rooksOutAndBack();
    // The placement stood three times, but the first time both could castle.
    EXPECT_EQ(Occurrences(board.positions), 2);
    EXPECT_EQ(board.ClaimableDraw(), DrawClaim::None);
    rooksOutAndBack();
    EXPECT_EQ(board.ClaimableDraw(), DrawClaim::Repetition);
}

TEST_F(DrawRules, AnEnPassantCaptureOnlyTheFirstTimeMakesItAnotherPosition) {
    Put(kKing, kWhite, 4, 0);
    Put(kKnight, kWhite, 6, 0);
    Put(kPawn, kWhite, 4, 4);
    Put(kKing, kBlack, 4, 7);
    Put(kKnight, kBlack, 6, 7);
    Put(kPawn, kBlack, 3, 6);
    board.lastMove = {6, 0, 4, 0}; // Black to move
    Begin();
    Play("d7", "d5");
    EXPECT_EQ(board.positions.back().enPassantFile, 3);
    KnightsOutAndBack();
    EXPECT_EQ(board.positions.back().enPassantFile, -1);
    KnightsOutAndBack();
    EXPECT_EQ(board.ClaimableDraw(), DrawClaim::None);
    KnightsOutAndBack();
    EXPECT_EQ(board.ClaimableDraw(), DrawClaim::Repetition);
}

TEST_F(DrawRules, AnEnPassantRightNoPawnCanUseIsNoRight) {
    Put(kKing, kWhite, 4, 0);
    Put(kKing, kBlack, 4, 7);
    Put(kPawn, kBlack, 3, 4);
    board.rights[rule::EnPassantAllowed(kWhite)] = 1;
    board.rights[rule::EnPassantX(kWhite)] = 3;
    board.rights[rule::EnPassantY(kWhite)] = 5;
    EXPECT_EQ(board.CurrentPositionKey().enPassantFile, -1);
    Put(kPawn, kWhite, 2, 4);
    EXPECT_EQ(board.CurrentPositionKey().enPassantFile, 3);
}

// Positions that differ in a rook's square, so that none repeats.
std::vector<sPositionKey> Wandering(int count) {
    std::vector<sPositionKey> keys;
    for (int i = 0; i < count; ++i) {
        sPositionKey k;
        k.squares[0] = kKing;
        k.squares[63] = -kKing;
        k.squares[size_t(1 + i % 30)] = kRook;
        k.squares[size_t(32 + i / 30)] = -kRook;
        k.sideToMove = int8_t(i % 2);
        keys.push_back(k);
    }
    return keys;
}

TEST(FiftyMoves, CountsPliesSinceTheLastCaptureOrPawnMove) {
    CFigureList rooksAndKings;
    rooksAndKings.Append(new CFigure{kRook, kWhite, 0, 0, 0});
    rooksAndKings.Append(new CFigure{kRook, kBlack, 0, 1, 0});

    std::vector<sPositionKey> keys = Wandering(100);
    EXPECT_EQ(PliesSinceIrreversible(keys), 99);
    EXPECT_EQ(ClaimableDraw(keys, rooksAndKings), DrawClaim::None);
    keys = Wandering(101);
    EXPECT_EQ(PliesSinceIrreversible(keys), 100);
    EXPECT_EQ(ClaimableDraw(keys, rooksAndKings), DrawClaim::FiftyMoves);

    struct sCase {
        const char* what;
        void (*change)(sPositionKey&);
    };
    const sCase resets[] = {
        {"a capture", [](sPositionKey& k) { k.squares[40] = 0; }},
        {"a pawn move", [](sPositionKey& k) { k.squares[44] = 0, k.squares[45] = kPawn; }},
        {"a promotion", [](sPositionKey& k) { k.squares[52] = 0, k.squares[60] = kQueen; }},
    };
    keys = Wandering(101);
    keys[10].known = false; // a position the game did not keep breaks the count
    EXPECT_EQ(PliesSinceIrreversible(keys), 89);
    for (const sCase& c : resets) {
        keys = Wandering(101);
        for (auto& k : keys) k.squares[40] = -kKnight, k.squares[44] = kPawn, k.squares[52] = kPawn;
        // The change happens at ply 10 and holds from there on.
        for (size_t i = 10; i < keys.size(); ++i) c.change(keys[i]);
        EXPECT_EQ(PliesSinceIrreversible(keys), 90) << c.what;
        EXPECT_EQ(ClaimableDraw(keys, rooksAndKings), DrawClaim::None) << c.what;
    }
}

struct sMaterialCase {
    const char* what;
    std::vector<sState> figures; // besides the two kings
    bool insufficient;
    bool whiteCannotMate;
};

void PrintTo(const sMaterialCase& c, std::ostream* os) {
    *os << c.what;
}

class Material : public ::testing::TestWithParam<sMaterialCase> {};

TEST_P(Material, NeitherSideCanMate) {
    CFigureList figures;
    figures.Append(new CFigure{kKing, kWhite, 4, 0, 0});
    figures.Append(new CFigure{kKing, kBlack, 4, 7, 0});
    for (const sState& s : GetParam().figures)
        figures.Append(new CFigure{s.type, s.color, s.x, s.y, 0});
    EXPECT_EQ(InsufficientMaterial(figures), GetParam().insufficient);
    EXPECT_EQ(CannotMate(figures, kWhite), GetParam().whiteCannotMate);
    EXPECT_EQ(ClaimableDraw(std::vector<sPositionKey>(1), figures) ==
                  DrawClaim::InsufficientMaterial,
              GetParam().insufficient);
}

// Square colours: (x + y) even is dark (a1), odd is light.
INSTANTIATE_TEST_SUITE_P(
    Cases, Material,
    ::testing::Values(sMaterialCase{"king against king", {}, true, true},
                      sMaterialCase{"knight", {{kKnight, kWhite, 1, 0}}, true, true},
                      sMaterialCase{"bishop", {{kBishop, kWhite, 2, 0}}, true, true},
                      sMaterialCase{"black bishop", {{kBishop, kBlack, 2, 7}}, true, true},
                      sMaterialCase{"bishops on one colour",
                                    {{kBishop, kWhite, 2, 0}, {kBishop, kBlack, 5, 7}},
                                    true,
                                    true},
                      sMaterialCase{"two white bishops on one colour",
                                    {{kBishop, kWhite, 2, 0}, {kBishop, kWhite, 4, 2}},
                                    true,
                                    false},
                      sMaterialCase{"bishops on both colours",
                                    {{kBishop, kWhite, 2, 0}, {kBishop, kBlack, 2, 7}},
                                    false,
                                    true},
                      sMaterialCase{"two knights",
                                    {{kKnight, kWhite, 1, 0}, {kKnight, kWhite, 6, 0}},
                                    false,
                                    false},
                      sMaterialCase{"knight against bishop",
                                    {{kKnight, kWhite, 1, 0}, {kBishop, kBlack, 2, 7}},
                                    false,
                                    true},
                      sMaterialCase{"a pawn", {{kPawn, kWhite, 4, 1}}, false, false},
                      sMaterialCase{"a black pawn", {{kPawn, kBlack, 4, 6}}, false, true},
                      sMaterialCase{"a rook", {{kRook, kWhite, 0, 0}}, false, false},
                      sMaterialCase{"a queen", {{kQueen, kBlack, 3, 7}}, false, true}),
    [](const auto& info) {
        std::string name;
        for (const char* c = info.param.what; *c; ++c)
            if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
        return name;
    });

TEST(GameResult, TagsReasonsAndTheirTextsInTheGameFile) {
    EXPECT_STREQ(ResultTag(GameOutcome::WhiteWins), "1-0");
    EXPECT_STREQ(ResultTag(GameOutcome::BlackWins), "0-1");
    EXPECT_STREQ(ResultTag(GameOutcome::Draw), "1/2-1/2");
    EXPECT_STREQ(ResultTag(GameOutcome::Unfinished), "*");
    const sGameResult resigned = sGameResult::WonBy(kBlack, EndReason::Resignation);
    EXPECT_EQ(ResultText(resigned), "Black wins: White resigned (0-1)");
    EXPECT_EQ(ResultText(sGameResult::DrawnBy(EndReason::Repetition)),
              "Draw: threefold repetition (1/2-1/2)");
    EXPECT_EQ(ResultText({}), "");
    EXPECT_EQ(ResultFromWords("0-1", "resignation"), resigned);
    EXPECT_EQ(ResultFromWords("1/2-1/2", ReasonWord(EndReason::FiftyMoves)),
              sGameResult::DrawnBy(EndReason::FiftyMoves));
    // A file's words that contradict each other or mean nothing are no result.
    EXPECT_FALSE(ResultFromWords("1-0", "stalemate").IsOver());
    EXPECT_FALSE(ResultFromWords("1/2-1/2", "checkmate").IsOver());
    EXPECT_FALSE(ResultFromWords("2-0", "resignation").IsOver());
    EXPECT_FALSE(ResultFromWords("*", "").IsOver());
    EXPECT_EQ(ResultFromWords("1-0", "no such reason"),
              (sGameResult{GameOutcome::WhiteWins, EndReason::None}));
}

} // namespace
