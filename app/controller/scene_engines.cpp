#include "app/controller/scene.h"

#include "engines/figure_set.h"
#include "platform/child_process.h"

namespace {

// Debian's engine, offered until another program is chosen.
constexpr const char* kFoundEngine = "stockfish";

} // namespace

void CScene::SetOutsideEngine(const engines::OutsideEngineSettings& chosen) {
    outsideEngine = chosen;
    if (outsideEngine.path.empty()) outsideEngine.path = platform::FindProgram(kFoundEngine);
    engineProgram = outsideEngine.path;
    engine.UseOutsideEngine(&outsideEngine);
}

bool CScene::CanChooseEngine() const {
    return !IsThinking();
}

// The same moments a click would be taken: the local player is to move.
bool CScene::CanHint() const {
    return engine.ComputerMove() && !IsThinking() && !board.animating && !board.gameOver &&
           !waitingForPeer && !(gameStarted == 0 && settings.playerColor == 1);
}

void CScene::Hint() {
    if (!CanHint()) return;
    // The engine moves its own copies: the game's records and rights stay.
    engines::FigureSet figures(engines::StatesOf(*board.figures.View()));
    sRuleState rights = board.rights;
    CFigure *captured = nullptr, *moved = nullptr;
    int x = -1, y = -1;
    const int side = settings.currentMove;
    board.hint = {};
    // Thinking, so that everything waits as for the engine's own move.
    board.thinking = 1;
    hinting = true;
    engine.ComputerMove()(figures.List(), side == 0 ? 1 : 0, settings.gameLevel, &rights, &captured,
                          &moved, &x, &y, &stopThinking);
    stopThinking = 0;
    board.thinking = 0;
    hinting = false;
    if (moved && IsOnBoard(moved->x, moved->y) && IsOnBoard(x, y))
        board.hint = {moved->x, moved->y, x, y};
    DrawFrame();
}
