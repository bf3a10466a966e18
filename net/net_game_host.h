#pragma once

#include "engine/engine_api.h"

#include <string>

class CBoard;
class CMoveTable;

// The game a network connection serves, as the connection sees it: who plays
// here, the board the peer's moves must fit, and where to report what happens
// on the wire. The game controller implements it, so the network layer knows
// nothing above itself.
class CNetGameHost {
public:
    virtual ~CNetGameHost() = default;

    // --- asked ---
    virtual std::string Nickname() const = 0;
    virtual int PlayerColor() const = 0;
    virtual const CBoard& Board() const = 0;
    // The moves of the game so far.
    virtual const CMoveTable& Moves() const = 0;
    // The greeting has been exchanged and the connection stands.
    virtual bool IsNetworkGame() const = 0;
    // A waiting side answers players looking for opponents on the network.
    virtual bool Discoverable() const = 0;

    // --- this side ---
    // The name the Connect dialog was given, kept as the player's setting.
    virtual void SetNickname(const std::string& nickname) = 0;
    virtual void SetDiscoverable(bool discoverable) = 0;
    // Waiting for an opponent: the local player's colour is to move.
    virtual void OnListening() = 0;
    // The greeting has been exchanged: moves now go to the peer.
    virtual void OnNetworkGameBegun() = 0;
    // Closed here, left by the peer before a game or dropped over bad input:
    // no network game any more and no move awaited.
    virtual void OnConnectionClosed() = 0;
    // Dropped during a game, which is kept as it stands, neither side's move
    // taken, until Reconnect takes it up again or the connection is closed.
    virtual void OnConnectionLost() = 0;
    // The game is taken up again on a new connection; the peer is to move
    // when `waitingForPeer`.
    virtual void OnLinkRestored(bool waitingForPeer) = 0;
    virtual void Redraw() = 0;

    // --- what the peer sends ---
    // "WHITE" or "BLACK": the colour the listening side plays.
    virtual void OnPeerColour(const std::string& text) = 0;
    virtual void OnPeerMove(int fromX, int fromY, int toX, int toY, const sRuleState& rights) = 0;
    virtual void OnPeerNewGame() = 0;
    // The peer resigned, or sent a draw word (see the packet kinds).
    virtual void OnPeerResign() {}
    virtual void OnPeerDraw(const std::string& word) { (void)word; }
};
