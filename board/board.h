#pragma once

#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

#include "board/board_services.h"
#include "board/board_state.h"
#include "board/draw_rules.h"
#include "board/game_result.h"
#include "board/move_table.h"
#include "board/owner_list.h"
#include "board/rules.h"
#include "config/ini_object.h"
#include "engine/engine_api.h"
#include "render/geometry/point3d.h"

using CHistory = COwnerList<sBoardState>;

// A move as a click makes it: from one square to another.
struct sBoardMove {
    sSquare from;
    sSquare to;
    bool operator==(const sBoardMove&) const = default;
};

// The position of the game, how its figures move, and its history.
class CBoard : public CIniObject {
public:
    CBoard(CBoardServices& services, CMoveTable& moveTable);
    ~CBoard() override;
    CBoard(const CBoard&) = delete;
    CBoard& operator=(const CBoard&) = delete;

    // Position.
    CFigure* FigureAt(int32_t x, int32_t y) const;
    static int IsOnBoard(int32_t x, int32_t y) { return ::IsOnBoard(x, y) ? 1 : 0; }
    int IsEmpty(int32_t x, int32_t y) const { return FigureAt(x, y) ? 0 : 1; }
    CFigure* AddFigure(int32_t type, int32_t color, int32_t x, int32_t y);
    void ClearFigures();
    void SetupFigures();
    void CaptureFigure(CFigure* figure);
    void RestoreCaptured(const CFigure* figure);
    // A word of the rights block; an index outside it reaches a spare word.
    int32_t& Right(int index);
    sFigureList* FigureListView() { return figures.View(); }

    // Move rules.
    void BuildTargets();
    void CollectTargets(std::vector<sSquare>& list, int32_t color) const;
    int CastlePathSafe(int kingside, int32_t x, int32_t y) const;
    void UpdateEnPassant(const CFigure* figure, int32_t fromY, int32_t toX, int32_t toY);
    bool IsTarget(int32_t x, int32_t y) const;
    void ClearSelection();
    // The moves of `color` that the board accepts from a click: its figures'
    // targets, less those that leave its own king attacked. Each is tried on
    // the board and taken back; the search stops after `limit` moves.
    std::vector<sBoardMove> AcceptedMoves(int32_t color,
                                          size_t limit = std::numeric_limits<size_t>::max());

    // History.
    void PushHistory();
    void AddMove();
    void StepBack();
    void StepForward();
    void GoToStart();
    void GoToEnd();
    void ReplayGame();
    // Empties the history and the move list, as a new game does.
    void ClearHistory();
    // The history starts again from the position on the board, keeping the
    // move list: for a game played with a peer, which records none, when it
    // goes on at this machine alone.
    void RestartHistory();
    // The number of move-list entries that lead to record `index`.
    int MovesUpTo(int index) const;
    // Takes over a whole game's records and move list (emptying both
    // arguments) and shows its last position.
    void LoadHistory(CHistory& records, CMoveList& moves);

    // Turn flow.
    void ResetGame();
    // A new game from a position of its own, `side` to move first.
    void SetUpGame(const std::vector<sState>& pieces, const sRuleState& start, int32_t side);
    // Against the computer, whether it makes the first move of the game.
    bool ComputerOpens() const;
    // p0: the world point under the mouse; p1: the camera position.
    void OnBoardClick(const point3d& p0, const point3d& p1);
    // A click on a square, however it was picked.
    void ClickSquare(sSquare square);
    // Whether clicks are ignored now: an animation, the peer's or the
    // engine's turn, or a finished game.
    bool ClicksBlocked();
    // Drops the selection and its outline, as if it had not been made.
    void CancelSelection();
    void ComputerMove();
    // The engine's answer to the position on the board, as after a move of
    // the player: it ends the game or records the pair's position.
    void ComputerReply();
    // Coordinates are read as signed 8-bit values, as the packet carries them.
    void ApplyRemoteMove(int fromX, int fromY, int toX, int toY);
    void SendLastMove();
    // A game that arrives in a position without a move to come from (one
    // opened from a file or set up) is over when the side to move (`side`,
    // or "Current Move" when negative) has no move left. True when it is.
    bool EndIfNoMoveLeft(int32_t side = -1);
    // The square under a click, or false when the ray misses the board.
    bool PickSquare(const point3d& p0, const point3d& p1, sSquare& square) const;

    // The end of the game beyond mate and stalemate.
    // The side whose move comes next: the one that did not make the last move.
    int32_t SideToMove() const;
    // The position on the board as the draw rules compare positions.
    sPositionKey CurrentPositionKey();
    // The draw the position on the board allows to claim; the rules never end
    // a game by themselves.
    DrawClaim ClaimableDraw();
    // Ends the running game with `result`, showing `message` when not null.
    void Finish(const sGameResult& result, const char* message);
    // The positions of a game read from a file, from its history records.
    void RebuildPositions();

    // [k]: the position after k moves of the move list; the draw rules read it.
    std::vector<sPositionKey> positions;
    // How the game ended; kept while the finished game is browsed.
    sGameResult result;
    // The square of the king of the side to move while it stands in check,
    // (-1, -1) otherwise.
    sSquare checkedKing{-1, -1};

    // The board's value in a game file.
    int WriteText(FILE* file) override;
    int ParseText(const char* text) override;
    // Set when the last value read was refused and the board kept its game.
    int32_t textRefused = 0;

    CFigureList figures;
    CFigureList capturedBlack;
    CFigureList capturedWhite;
    sRuleState rights{};

    int32_t selected = 0;
    sSquare selectedSquare{0, 0};
    CFigure* selectedFigure = nullptr;
    std::vector<sSquare> targets;
    sLastMove lastMove;
    // A suggested move's squares, outlined until the next click.
    sLastMove hint;

    CHistory history;
    int32_t historyIndex = -1;
    int32_t moveCount = 0;
    int32_t suspendedGameOver = 0;
    // The side that moves first in this game: Black after some set-up
    // positions.
    int32_t startSide = kWhite;

    int32_t gameOver = 0;
    int32_t thinking = 0;
    int32_t animating = 0;

private:
    // A record of the position on the board after the one shown, dropping
    // any records after that.
    void AppendRecord();
    // What a move changed, so that it can be taken back without a trace. A
    // captured figure stays out of the list, owned here, until then.
    struct sMoveAttempt {
        sMoveAttempt(const sRuleState& r, const sLastMove& last, CFigure& m)
            : rights(r), lastMove(last), mover(&m), from{m.x, m.y}, type(m.type) {}
        sRuleState rights;
        sLastMove lastMove;
        CFigure* mover;
        sSquare from;
        int32_t type;
        CFigure* rook = nullptr;
        int32_t rookFromX = 0;
        int victimIndex = -1;
        std::unique_ptr<CFigure> victim;
    };

    bool EngineReady();
    int32_t StatusOf(int32_t color);
    int32_t StatusOfSideToMove(int32_t side);
    const char* JudgeMove(int32_t side);
    void Select(CFigure* figure, sSquare square);
    void TryMove(CFigure& mover, CFigure* victim, sSquare to);
    sMoveAttempt PlaceMove(CFigure& mover, CFigure* victim, sSquare to, bool byPlayer);
    void TakeBack(sMoveAttempt& attempt);
    std::unique_ptr<CFigure> TakeCaptured(CFigure* figure);
    CFigure* EnPassantVictim(const CFigure& pawn, sSquare to) const;
    void Promote(CFigure& pawn, int32_t toY, bool ask);
    CFigure* CastleRook(CFigure& king, sSquare to, bool animate);
    void EndPlayerTurn();
    void HandOverTo(int32_t side);
    bool RunEngine(CFigure*& moved, CFigure*& captured, sSquare& to);
    void PlaceEngineMove(CFigure& moved, CFigure* captured, sSquare to);
    bool AcceptRemoteMove(sSquare from, sSquare to) const;
    void AnnounceEnd(const char* verdict);
    void EndGame(const char* verdict);
    // After every move that stands: keeps its position and marks a check.
    void NotePosition();
    void UpdateCheckMark();
    int8_t EnPassantFile(int32_t side);

    void TargetsOf(const CFigure& figure, int32_t color, std::vector<sSquare>& list) const;
    void AppendTargets(const CFigure& figure, int32_t color, std::vector<sSquare>& list) const;
    void AppendPawnTargets(const CFigure& pawn, int32_t color, std::vector<sSquare>& list) const;
    void AppendCastling(const CFigure& king, int32_t color, std::vector<sSquare>& list) const;
    bool CastlePathSafe(int32_t color, bool kingside, int32_t x, int32_t y) const;
    void UpdateEnPassant(int32_t color, const CFigure* figure, int32_t fromY, int32_t toX,
                         int32_t toY);
    void PrepareGame(int32_t side);
    void ReplaceGame(CHistory& records, CMoveList& moves);
    void RestoreRecord(int index);
    void ShowRecord(int index);
    int32_t NextMoverInList() const;
    void SuspendGameOver();
    void ResumeGameOver();
    int MovesPerRecord() const { return services_.PlayerMode() == 0 ? 2 : 1; }

    CBoardServices& services_;
    CMoveTable& moveTable_;
    int32_t spareRight_ = 0;
    // The last move as it was before a selection outlined the chosen square.
    sLastMove lastMoveBeforeSelection_;
};
