#include "app/controller/scene.h"

#include "platform/message_box.h"
#include "platform/paths.h"

#include <filesystem>
#include <system_error>

namespace {

constexpr const char* kContinueQuestion = "Continue the unfinished game?";
// A kept game that cannot be read is put aside under this name, so that it
// is not offered at every start and not lost either.
constexpr const char* kUnreadableSuffix = ".unreadable";

// A game set up from a position may begin with Black's move.
int SideToMove(const CBoard& board) {
    return board.moveCount % 2 == 0 ? board.startSide : Opponent(board.startSide);
}

} // namespace

std::string CScene::KeptGamePath() const {
    return platform::NativePath(startupDir + "\\" + kKeptGameFileName);
}

bool CScene::HasGameInProgress() const {
    return gameStarted == 1 && !board.gameOver && !board.suspendedGameOver &&
           moveTable.entries.Count() > 0 && !IsThinking();
}

void CScene::KeepUnfinishedGame(bool report) {
    if (unfinishedKept) return;
    unfinishedKept = true;
    if (!HasGameInProgress()) return;
    if (!WriteGameDocument(KeptGamePath()) && report)
        platform::ShowMessageBox("Cannot keep the unfinished game in \"" + KeptGamePath() + "\".");
}

// The peer's side is played at this machine from now on: the side to move
// moves next, the board turns to it, and the history starts from the
// position on the board (a network game records no history of its own).
void CScene::TurnIntoTwoPlayerGame() {
    settings.playerMode = 1;
    settings.currentMove = SideToMove(board);
    if (settings.currentMove == 0)
        FaceWhite();
    else
        FaceBlack();
    board.RestartHistory();
}

int CScene::WriteGameDocument(const std::string& path) {
    const sSettings playing = settings;
    if (PlaysWithPeer()) TurnIntoTwoPlayerGame();
    const int written = gameDocument.Save(path.c_str());
    settings = playing;
    return written;
}

bool CScene::IsEnginesTurn() const {
    return settings.playerMode == 0 && !board.gameOver && SideToMove(board) != settings.playerColor;
}

void CScene::OfferUnfinishedGame() {
    const std::string path = KeptGamePath();
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return;
    const bool restore = settings.restoreUnfinished == 1 ||
                         platform::ShowMessageBox(kContinueQuestion, "Tavlion", platform::kYesNo) ==
                             platform::kIdYes;
    if (restore && !LoadGame(path)) {
        std::filesystem::rename(path, path + kUnreadableSuffix, error);
        return;
    }
    std::filesystem::remove(path, error);
    // A game kept while the engine was to answer goes on with its answer.
    if (restore && IsEnginesTurn()) {
        board.ComputerReply();
        DrawFrame();
    }
}
