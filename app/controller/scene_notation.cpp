#include "app/controller/scene.h"

#include "app/controller/game_notation.h"
#include "app/controller/typed_move.h"
#include "board/game_result.h"
#include "board/move_flow.h"
#include "config/file_writer.h"
#include "notation/board_bridge.h"
#include "notation/fen.h"
#include "notation/pgn_writer.h"
#include "platform/message_box.h"

#include <cstdio>
#include <ctime>

namespace {

std::string Today() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    return local ? notation::PgnDate(local->tm_year + 1900, local->tm_mon + 1, local->tm_mday)
                 : notation::PgnDate(0, 0, 0);
}

// Files get the line ends of the system they are written on.
std::string WithNativeLineEnds(const std::string& text) {
#ifdef _WIN32
    std::string out;
    out.reserve(text.size() + text.size() / 40);
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
#else
    return text;
#endif
}

std::string Sentence(std::string text) {
    if (!text.empty() && text.back() != '.') text += '.';
    return text;
}

} // namespace

std::string CScene::PlayerName(int color) const {
    if (color == settings.playerColor) return std::string(settings.nickname.View());
    if (settings.playerMode == 0) return notation::ComputerPlayerName(settings.gameLevel);
    const std::string peer = networkGame ? host.PeerNickname() : std::string();
    return peer.empty() ? "?" : peer;
}

std::string CScene::GameAsPgn(std::string* warning) const {
    const std::string fen(startPosition.View());
    notation::PgnExport game;
    game.start = game_notation::StartOf(fen);
    const notation::PlayedGameText played = notation::DescribePlayedGame(
        game.start, game_notation::PlayedMoves(board, moveTable, game.start));
    game.san = played.san;
    game.header.date = Today();
    game.header.white = PlayerName(kWhite);
    game.header.black = PlayerName(kBlack);
    game.header.result = notation::ResultOf(played.end);
    // A game ended by a claim, a resignation, an agreement or the clock says
    // how, since its moves alone do not; mate and stalemate speak for themselves.
    const EndReason reason = board.result.reason;
    if (board.gameOver && board.result.IsOver()) {
        game.header.result = ResultTag(board.result.outcome);
        if (reason != EndReason::Mate && reason != EndReason::Stalemate)
            game.comment = ResultText(board.result);
    }
    if (warning) {
        *warning = played.warning.empty() ? std::string() : Sentence(played.warning);
        if (!played.error.empty())
            *warning = "The game is written up to the move before the one that cannot be: " +
                       Sentence(played.error);
    }
    return notation::WritePgn(game);
}

int CScene::ExportPgn(const std::string& path) {
    std::string warning;
    const std::string text = WithNativeLineEnds(GameAsPgn(&warning));
    const bool written = ReplaceFile(path.c_str(), DefaultFileWriter(), [&text](FILE* file) {
        return std::fwrite(text.data(), 1, text.size(), file) == text.size();
    });
    if (!written) {
        platform::ShowMessageBox("Cannot export the game to \"" + path + "\".");
        return 0;
    }
    if (!warning.empty()) platform::ShowMessageBox(warning);
    return 1;
}

std::string CScene::PositionAsFen() const {
    const notation::Position start = game_notation::StartOf(std::string(startPosition.View()));
    const notation::PlayedGameText played = notation::DescribePlayedGame(
        start, game_notation::PlayedMoves(board, moveTable, start, board.moveCount));
    notation::BoardTurn turn{settings.currentMove, 0, 1};
    if (played.error.empty())
        turn = {played.end.side, played.end.halfmoveClock, played.end.fullmoveNumber};
    return notation::WriteFen(game_notation::PositionOnBoard(board, turn));
}

bool CScene::SetUpPosition(const std::string& fen) {
    if (!CanOpenGame()) return false;
    const notation::FenReading reading = notation::ReadFen(fen);
    if (!reading) {
        platform::ShowMessageBox("This position cannot be set up: " + Sentence(reading.error));
        return false;
    }
    const notation::Position& position = reading.position;
    stopThinking = 0;
    PrepareNewGame();
    startPosition = notation::WriteFen(position);
    board.SetUpGame(notation::PiecesFromPosition(position), notation::RightsFromPosition(position),
                    position.side);
    const bool humanFirst = settings.playerMode == 1 || !board.ComputerOpens();
    if (settings.playerMode == 1) {
        settings.currentMove = position.side;
        if (position.side == kBlack)
            FaceBlack();
        else
            FaceWhite();
    }
    // The side to move takes its turn at once; a player of Black would
    // otherwise wait for a Start Game that sets up the usual start.
    if (humanFirst && settings.playerColor == kBlack) gameStarted = 1;
    DrawFrame();
    if (board.EndIfNoMoveLeft(position.side) || humanFirst) return true;
    if (IsEngineReady())
        board.ComputerMove();
    else
        move_flow::ReportMissingEngine();
    return true;
}

void CScene::ApplyStartPosition() {
    board.startSide = game_notation::StartOf(std::string(startPosition.View())).side;
}

bool CScene::PlayTypedMove(const std::string& text) {
    if (board.ClicksBlocked()) return false;
    const notation::Position position =
        game_notation::PositionOnBoard(board, {settings.currentMove, 0, 1});
    const sTypedMove move = ReadTypedMove(position, text);
    if (!move.error.empty()) {
        platform::ShowMessageBox(move.error);
        return false;
    }
    // Whatever was picked up before, the typed move starts afresh.
    board.CancelSelection();
    board.ClickSquare(move.from);
    if (!board.selected || !(board.selectedSquare == move.from) ||
        !board.IsTarget(move.to.x, move.to.y)) {
        board.CancelSelection();
        DrawFrame();
        platform::ShowMessageBox("The move \"" + text + "\" is not possible in this position.");
        return false;
    }
    typedPromotion = move.promotion;
    board.ClickSquare(move.to);
    typedPromotion = 0;
    DrawFrame();
    return true;
}

const sMoveNotation* CScene::MoveNotation() {
    if (!settings.standardNotation) return nullptr;
    std::vector<int32_t> key;
    key.reserve(size_t(moveTable.entries.Count()) * 4 + 1);
    key.push_back(board.history.Count());
    for (const sMove* m : moveTable.entries)
        key.insert(key.end(), {m->fromX, m->fromY, m->toX, m->toY});
    const std::string fen(startPosition.View());
    if (key == moveNotationKey && moveNotationStart == fen) return &moveNotation;
    moveNotationKey = std::move(key);
    moveNotationStart = fen;
    const notation::Position start = game_notation::StartOf(fen);
    notation::PlayedGameText played =
        notation::DescribePlayedGame(start, game_notation::PlayedMoves(board, moveTable, start));
    // Moves past one that does not fit keep the board's own text.
    for (int i = int(played.san.size()); i < moveTable.entries.Count(); ++i)
        played.san.push_back(moveTable.entries[i]->text);
    moveNotation = {std::move(played.san), start.fullmoveNumber, start.side};
    return &moveNotation;
}

bool CScene::CanCopyGame() const {
    return !IsThinking();
}
