#include "net/connection.h"

#include "board/board.h"
#include "net/net_game_host.h"
#include "net/played_game.h"
#include "platform/message_box.h"

// Taking up a game whose connection dropped. Both sides keep the game; on
// Reconnect the caller calls the same address again and the listening side
// listens there again. After the greeting each side sends its game (the
// caller just before its own greeting, the listening side just before the
// colour), so that when the greeting or the colour arrives alone, the peer
// is one that does not take up games: an earlier build, or a player who
// connected anew.

void CNetGame::Lose() {
    DropSockets();
    lost_ = true;
    resuming_ = false;
    game_.OnConnectionLost();
    Changed();
    platform::ShowMessageBox(kOpponentLeft);
    game_.Redraw();
}

bool CNetGame::Reconnect() {
    if (!lost_ || game_.IsNetworkGame()) return false;
    DropSockets();
    resuming_ = true;
    redials_ = 0;
    if (!server_)
        Call();
    else if (OpenListener(address_, port_))
        StartAnswering();
    else
        resuming_ = false;
    Changed();
    return resuming_;
}

sGameRecord CNetGame::OwnGame() const {
    return PlayedGame(game_.Board(), game_.Moves());
}

void CNetGame::SendOwnGame() {
    Send(CPkg::Text(PKG_GAME, EncodeGameRecord(OwnGame())));
}

void CNetGame::OnPeerGame(const CPkg& pkg) {
    // Only a side taking up a game listens, and to the first game only.
    if (!resuming_ || peerSentGame_) return;
    peerSentGame_ = true;
    peerGame_ = DecodeGameRecord(pkg.text);
}

void CNetGame::SettleResume() {
    resuming_ = false;
    lost_ = false;
    if (!peerSentGame_) {
        // As a new connection: a new game, which the peer has already.
        game_.OnPeerNewGame();
        game_.OnLinkRestored(false);
        Changed();
        platform::ShowMessageBox(kNotResumed);
        return game_.Redraw();
    }
    const sGameRecord mine = OwnGame();
    const GameMatch match =
        peerGame_ ? CompareGames(mine, *peerGame_, game_.PlayerColor()) : GameMatch::Differ;
    if (match == GameMatch::Differ) return Refuse(kGamesDiffer);
    // The move the peer never received goes again, as it went the first time.
    if (match == GameMatch::MineAhead) {
        const sPlayedMove& last = mine.moves.back();
        Send(CPkg::Move(last.fromX, last.fromY, last.toX, last.toY, game_.Board().rights));
    }
    game_.OnLinkRestored(ColorToMove(mine.moves.size()) != game_.PlayerColor());
    game_.Redraw();
}
