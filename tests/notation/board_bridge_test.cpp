// The board's snapshots and rights words turned into positions and back,
// imported games as history records the board restores, and games played on
// the board written as they were played, with the castlings where the
// board's rules and the standard ones part.
#include <gtest/gtest.h>

#include "board/board.h"
#include "notation/board_bridge.h"
#include "notation/board_history.h"
#include "notation/fen.h"
#include "notation/move_generator.h"
#include "notation/play.h"
#include "notation/san.h"
#include "random_games.h"
#include "support/stub_board_services.h"
#include "test_positions.h"

namespace notation {
namespace {

using testing::PositionOf;

std::string FenOfBoard(const std::vector<sState>& pieces, const sRuleState& rights, int side = 0) {
    return WriteFen(PositionFromBoard(pieces, rights, {side, 0, 1}));
}

// A board of the program holding a position, with `side` to move.
struct RealBoard {
    CStubBoardServices services;
    CMoveTable moves;
    CBoard board{services, moves};

    RealBoard(const Position& p) {
        board.ClearFigures();
        for (const sState& s : PiecesFromPosition(p)) board.AddFigure(s.type, s.color, s.x, s.y);
        board.rights = RightsFromPosition(p);
        services.currentMove = p.side;
    }
    bool Offers(int fromX, int fromY, int toX, int toY) {
        board.selectedFigure = board.FigureAt(fromX, fromY);
        board.selected = 1;
        board.BuildTargets();
        return board.IsTarget(toX, toY);
    }
};

TEST(BoardBridge, CastlingFollowsTheRightsWordsAndWhereKingsAndRooksStand) {
    const std::vector<sState> start = PiecesFromPosition(StartPosition());
    sRuleState rights{};
    EXPECT_EQ(FenOfBoard(start, rights), kStartFen);
    // The board reads word 8 + 2c as the rook of file H, 9 + 2c as that of file A.
    for (const auto& [word, castling] : std::vector<std::pair<int, const char*>>{
             {8, "Qkq"}, {9, "Kkq"}, {10, "KQq"}, {11, "KQk"}, {0, "kq"}, {1, "KQ"}}) {
        sRuleState r{};
        r[word] = 1;
        EXPECT_NE(FenOfBoard(start, r).find(std::string(" w ") + castling + " -"),
                  std::string::npos)
            << "word " << word;
    }
    // Clear words do not make a castling of a king or rook off its square.
    std::vector<sState> moved = start;
    moved[13].y = 2; // the rook of h1
    moved[31].x = 3; // the black king
    moved[30].x = 4; // the black queen takes e8's place
    EXPECT_NE(FenOfBoard(moved, rights).find(" w Q - "), std::string::npos);
}

TEST(BoardBridge, EnPassantComesFromTheSideToMovesWords) {
    const Position p = PositionOf("rnbqkbnr/ppp1pppp/8/8/3pP3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1");
    const std::vector<sState> pieces = PiecesFromPosition(p);
    sRuleState rights{};
    rights[rule::EnPassantAllowed(kBlack)] = 1;
    rights[rule::EnPassantX(kBlack)] = 4;
    rights[rule::EnPassantY(kBlack)] = 2;
    EXPECT_EQ(FenOfBoard(pieces, rights, kBlack), WriteFen(p));
    EXPECT_NE(FenOfBoard(pieces, rights, kWhite).find(" - 0 1"), std::string::npos);
    // A target the position does not bear out is dropped, however odd.
    rights[rule::EnPassantY(kBlack)] = 2147483647;
    EXPECT_NE(FenOfBoard(pieces, rights, kBlack).find(" KQkq - "), std::string::npos);

    const sRuleState words = RightsFromPosition(p);
    EXPECT_EQ(words[rule::EnPassantAllowed(kBlack)], 1);
    EXPECT_EQ(words[rule::EnPassantX(kBlack)], 4);
    EXPECT_EQ(words[rule::EnPassantY(kBlack)], 2);
    EXPECT_EQ(words[rule::EnPassantAllowed(kWhite)], 0);
}

TEST(BoardBridge, RightsWordsFromCastlingRights) {
    const sRuleState r = RightsFromPosition(PositionOf("r3k2r/8/8/8/8/8/8/R3K2R w Kq - 0 1"));
    EXPECT_EQ((std::vector<int32_t>(r.word, r.word + 14)),
              (std::vector<int32_t>{0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0}));
    const sRuleState none = RightsFromPosition(PositionOf("4k3/8/8/8/8/8/8/4K3 w - - 0 1"));
    EXPECT_EQ(none[rule::KingMoved(kWhite)], 1);
    EXPECT_EQ(none[rule::KingMoved(kBlack)], 1);
}

TEST(BoardBridge, PositionsSurviveTheWayThroughTheBoardsWords) {
    for (uint32_t seed = 1; seed <= 30; ++seed)
        for (const Position& p : testing::PlayRandomGame(seed, 120).positions) {
            const BoardTurn turn{p.side, p.halfmoveClock, p.fullmoveNumber};
            ASSERT_EQ(
                WriteFen(PositionFromBoard(PiecesFromPosition(p), RightsFromPosition(p), turn)),
                WriteFen(p));
        }
}

TEST(BoardBridge, FiguresComeInTheOrderOfANewGame) {
    CStubBoardServices services;
    CMoveTable moves;
    CBoard board(services, moves);
    board.SetupFigures();
    std::vector<sState> setup;
    for (const CFigure* f : board.figures) setup.push_back({f->type, f->color, f->x, f->y});
    EXPECT_EQ(PiecesFromPosition(StartPosition()), setup);
}

TEST(BoardHistory, AnImportedGameBecomesRecordsTheBoardRestores) {
    // En passant, castling both ways, an underpromotion and its capture.
    const Position start = PositionOf("r3k3/6P1/8/8/4p3/8/3P4/4K2R w Kq - 0 1");
    std::vector<Move> moves;
    Position p = start;
    for (const char* san : {"d4", "exd3", "O-O", "O-O-O", "g8=N", "Rxg8+"}) {
        const SanReading reading = ParseSan(p, san);
        ASSERT_TRUE(reading) << san;
        moves.push_back(reading.move);
        p = Play(p, reading.move);
    }
    const std::vector<sBoardState> records = HistoryOfGame(start, moves);
    ASSERT_EQ(records.size(), moves.size() + 1);
    EXPECT_EQ(records[0].lastMove, sLastMove{});
    EXPECT_EQ(records[3].lastMove, (sLastMove{4, 0, 6, 0}));
    EXPECT_EQ(records[2].capturedWhite, (std::vector<sState>{{kPawn, kWhite, 0, 0}}));
    EXPECT_EQ(records[6].capturedWhite,
              (std::vector<sState>{{kPawn, kWhite, 0, 0}, {kKnight, kWhite, 0, 0}}));
    EXPECT_EQ(records[5].rights[rule::kPromotion], 1);
    EXPECT_EQ(records[5].rights[rule::kPromotedType], kKnight);
    EXPECT_EQ(records[6].rights[rule::kPromotion], 0);
    // The pawn that took en passant keeps its place in the list.
    EXPECT_EQ(records[1].pieces[4], (sState{kPawn, kBlack, 4, 3}));
    EXPECT_EQ(records[2].pieces[3], (sState{kPawn, kBlack, 3, 2}));

    Position replay = start;
    for (size_t i = 0; i < records.size(); ++i) {
        const BoardTurn turn{replay.side, replay.halfmoveClock, replay.fullmoveNumber};
        EXPECT_EQ(WriteFen(PositionFromBoard(records[i].pieces, records[i].rights, turn)),
                  WriteFen(replay))
            << "record " << i;
        if (i < moves.size()) replay = Play(replay, moves[i]);
    }

    RealBoard real(start);
    real.board.ClearHistory();
    for (const sBoardState& r : records) real.board.history.Append(new sBoardState(r));
    real.board.GoToEnd();
    std::vector<sState> shown;
    for (const CFigure* f : real.board.figures) shown.push_back({f->type, f->color, f->x, f->y});
    EXPECT_EQ(shown, records.back().pieces);
    EXPECT_EQ(real.board.lastMove, records.back().lastMove);
    EXPECT_EQ(real.board.capturedWhite.Count(), 2);
}

TEST(BoardRules, TheBoardRefusesCastlingsTheStandardRulesAllow) {
    // An enemy piece reaches the rook's corner, or queenside the knight's square.
    for (const auto& [fen, toX] : std::vector<std::pair<const char*, int>>{
             {"4k2r/8/8/8/8/8/8/4K2R w K - 0 1", 6}, {"1r2k3/8/8/8/8/8/8/R3K3 w Q - 0 1", 2}}) {
        const Position p = PositionOf(fen);
        EXPECT_TRUE(LegalMoves(p).Contains({4, int8_t(toX), 0})) << fen;
        EXPECT_FALSE(RealBoard(p).Offers(4, 0, toX, 0)) << fen;
        // Imported, such a game enters the history as positions all the same.
        const std::vector<sBoardState> records = HistoryOfGame(p, {{4, int8_t(toX), 0}});
        EXPECT_EQ(records[1].lastMove, (sLastMove{4, 0, toX, 0}));
    }
}

TEST(BoardRules, TheBoardAllowsCastlingsTheStandardRulesRefuse) {
    // A pawn attacks a square the king crosses.
    const Position crossed = PositionOf("4k3/8/8/8/8/8/4p3/4K2R w K - 0 1");
    EXPECT_TRUE(RealBoard(crossed).Offers(4, 0, 6, 0));
    EXPECT_FALSE(IsStandardMove(crossed, {{4, 0, 6, 0}}));
    const PlayedGameText text = DescribePlayedGame(crossed, {{{4, 0, 6, 0}}, {{4, 7, 3, 7}}});
    EXPECT_EQ(text.san, (std::vector<std::string>{"O-O", "Kd8"}));
    EXPECT_EQ(text.warning, "Move 1 of White, O-O, is not legal under the standard rules of "
                            "chess; other programs may refuse this game");

    // A rook that came to the corner after the first one was taken there.
    const Position start = PositionOf("4k3/8/8/8/8/8/6b1/4KR1R b K - 0 1");
    const std::vector<PlayedMove> played = {
        {{6, 1, 7, 0}}, {{5, 0, 7, 0}}, {{4, 7, 3, 6}}, {{4, 0, 6, 0}}, {{3, 6, 4, 5}}};
    Position before = start;
    for (size_t i = 0; i + 2 < played.size(); ++i) before = Play(before, MoveOfPlayed(played[i]));
    RealBoard board(before);
    board.board.rights = sRuleState{}; // no king or rook has left its square
    EXPECT_TRUE(board.Offers(4, 0, 6, 0));
    const PlayedGameText game = DescribePlayedGame(start, played);
    EXPECT_EQ(game.san, (std::vector<std::string>{"Bxh1", "Rxh1", "Kd7", "O-O", "Ke6"}));
    EXPECT_EQ(game.warning, "Move 3 of White, O-O, is not legal under the standard rules of "
                            "chess; other programs may refuse this game");
    EXPECT_TRUE(game.error.empty());
}

TEST(BoardExport, WritesAStandardGameWithoutWarningAndStopsAtAMisfit) {
    const testing::RandomGame random = testing::PlayRandomGame(7, 80);
    std::vector<PlayedMove> played;
    for (const Move m : random.moves)
        played.push_back(
            {{FileOf(m.from), RankOf(m.from), FileOf(m.to), RankOf(m.to)}, m.promotion});
    const PlayedGameText text = DescribePlayedGame(random.start, played);
    EXPECT_TRUE(text.warning.empty()) << text.warning;
    EXPECT_TRUE(text.error.empty()) << text.error;
    EXPECT_EQ(text.san, SanOfMoves(random.start, random.moves));
    EXPECT_EQ(WriteFen(text.end), WriteFen(random.positions.back()));

    const PlayedGameText misfit =
        DescribePlayedGame(StartPosition(), {{{4, 1, 4, 3}}, {{4, 1, 4, 2}}, {{6, 7, 5, 5}}});
    EXPECT_EQ(misfit.san, (std::vector<std::string>{"e4"}));
    EXPECT_EQ(misfit.error, "Move 1 of Black does not fit the position before it");
    EXPECT_EQ(DescribePlayedGame(StartPosition(), {{{9, 1, 4, 3}}}).error,
              "Move 1 of White does not fit the position before it");
}

TEST(BoardExport, PromotionsAreFoundInTheRecordsAroundThem) {
    // Against the computer a record follows each pair of moves; the reply
    // may take the promoted figure at once.
    const Position start = PositionOf("4k3/1P4P1/8/8/8/8/1r6/4K3 w - - 0 1");
    const std::vector<Move> moves = {{49, 57, kKnight}, {9, 57, 0}, {54, 62, kRook}, {60, 52, 0}};
    const std::vector<sBoardState> records = HistoryOfGame(start, moves);
    std::vector<PlayedMove> played;
    for (const Move m : moves)
        played.push_back({{FileOf(m.from), RankOf(m.from), FileOf(m.to), RankOf(m.to)}, 0});
    ResolvePromotions(start, played, {{0, &records[0]}, {2, &records[2]}, {4, &records[4]}});
    EXPECT_EQ(played[0].promotion, kKnight);
    EXPECT_EQ(played[2].promotion, kRook);
    EXPECT_EQ(DescribePlayedGame(start, played).san,
              (std::vector<std::string>{"b8=N", "Rxb8", "g8=R+", "Ke7"}));

    // Without a record after it a promotion stays unknown, written as a queen.
    std::vector<PlayedMove> unknown = {played[0]};
    unknown[0].promotion = 0;
    ResolvePromotions(start, unknown, {{0, &records[0]}});
    EXPECT_EQ(unknown[0].promotion, 0);
    EXPECT_EQ(DescribePlayedGame(start, unknown).san, (std::vector<std::string>{"b8=Q+"}));
}

} // namespace
} // namespace notation
