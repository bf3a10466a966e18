#include "app/controller/scene.h"

#include "notation/board_history.h"
#include "notation/fen.h"
#include "notation/pgn_file.h"
#include "notation/pgn_reader.h"
#include "platform/message_box.h"

bool CScene::ImportPgnFile(const std::string& path) {
    if (!CanOpenGame()) return false;
    const notation::PgnFileReading file = notation::ReadPgnFile(path);
    if (!file) {
        platform::ShowMessageBox(file.error + ".");
        return false;
    }
    const std::vector<notation::PgnGameEntry> games = notation::ListPgnGames(file.text);
    if (games.empty()) {
        platform::ShowMessageBox("There is no game in \"" + path + "\".");
        return false;
    }
    const int index = games.size() == 1 ? 0 : host.ChoosePgnGame(games);
    if (index < 0 || size_t(index) >= games.size()) return false;
    return ImportPgnGame(file.text, games[size_t(index)], index, path);
}

// Every move is checked before anything of the game on the board changes.
bool CScene::ImportPgnGame(std::string_view text, const notation::PgnGameEntry& entry, int index,
                           const std::string& path) {
    if (!CanOpenGame()) return false;
    const notation::PgnGameReading reading = notation::ReadPgnGame(text, entry, index);
    if (!reading) {
        platform::ShowMessageBox(reading.error + ".");
        return false;
    }
    const notation::PgnGame& game = reading.game;
    CHistory records;
    CMoveList moves;
    for (const sBoardState& state : notation::HistoryOfGame(game.start, game.moves)) {
        records.Append(new sBoardState(state));
        if (records.Count() > 1) moves.Append(new sMove(MoveEntryOf(state.lastMove)));
    }
    stopThinking = 0;
    PrepareNewGame();
    startPosition = game.setUp ? notation::WriteFen(game.start) : std::string();
    const int sideToMove = game.moves.size() % 2 == 0 ? game.start.side : Opponent(game.start.side);
    TakeOverImportedGame(records, moves, sideToMove);
    // Not the file it came from: Save must not write a game file over it.
    gamePath.clear();
    host.SetTitle(TitleFor(path));
    return true;
}

// Two players walk through an imported game with Undo and Redo.
void CScene::TakeOverImportedGame(CHistory& records, CMoveList& moves, int sideToMove) {
    settings.playerMode = 1;
    ApplyStartPosition();
    board.LoadHistory(records, moves);
    settings.currentMove = sideToMove;
    if (sideToMove == kBlack)
        FaceBlack();
    else
        FaceWhite();
    gameStarted = 1;
    DrawFrame();
    board.EndIfNoMoveLeft();
}
