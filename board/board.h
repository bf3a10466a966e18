#pragma once

#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

#include "board/board_services.h"
#include "board/board_state.h"
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

    // Turn flow.
    void ResetGame();
    // p0: the world point under the mouse; p1: the camera position.
    void OnBoardClick(const point3d& p0, const point3d& p1);
    void ComputerMove();
    // The engine's answer to the position on the board, as after a move of
    // the player: it ends the game or records the pair's position.
    void ComputerReply();
    // Coordinates are read as signed 8-bit values, as the packet carries them.
    void ApplyRemoteMove(int fromX, int fromY, int toX, int toY);
    void SendLastMove();
    // A game that arrives in a position without a move to come from (one
    // opened from a file) is over when the side to move has no move left.
    void EndIfNoMoveLeft();
    // The square under a click, or false when the ray misses the board.
    bool PickSquare(const point3d& p0, const point3d& p1, sSquare& square) const;

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

    CHistory history;
    int32_t historyIndex = -1;
    int32_t moveCount = 0;
    int32_t suspendedGameOver = 0;

    int32_t gameOver = 0;
    int32_t thinking = 0;
    int32_t animating = 0;

private:
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

    bool ClicksBlocked();
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

    void TargetsOf(const CFigure& figure, int32_t color, std::vector<sSquare>& list) const;
    void AppendTargets(const CFigure& figure, int32_t color, std::vector<sSquare>& list) const;
    void AppendPawnTargets(const CFigure& pawn, int32_t color, std::vector<sSquare>& list) const;
    void AppendCastling(const CFigure& king, int32_t color, std::vector<sSquare>& list) const;
    bool CastlePathSafe(int32_t color, bool kingside, int32_t x, int32_t y) const;
    void UpdateEnPassant(int32_t color, const CFigure* figure, int32_t fromY, int32_t toX,
                         int32_t toY);
    void RestoreRecord(int index);
    void ShowRecord(int index);
    int MovesUpTo(int index) const;
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
