#pragma once

#include "engine/engine_api.h"

#include <string>

class CBoard;

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
    // The greeting has been exchanged and the connection stands.
    virtual bool IsNetworkGame() const = 0;

    // --- this side ---
    // The name the Connect dialog was given, kept as the player's setting.
    virtual void SetNickname(const std::string& nickname) = 0;
    // Waiting for an opponent: the local player's colour is to move.
    virtual void OnListening() = 0;
    // The greeting has been exchanged: moves now go to the peer.
    virtual void OnNetworkGameBegun() = 0;
    // Closed here, left by the peer or dropped over bad input: no network
    // game any more and no move awaited.
    virtual void OnConnectionClosed() = 0;
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
