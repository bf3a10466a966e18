#pragma once

#include <cstdint>
#include <string>

// What the link to the opponent is doing, for the status bar.
enum class LinkState {
    Idle,        // no network game
    Listening,   // waiting for an opponent to call
    Calling,     // calling a waiting opponent
    Connected,   // the game goes to and from the opponent
    Lost,        // the connection dropped during a game; Reconnect may take it up
    Relistening, // lost, and waiting for the opponent to call again
    Recalling,   // lost, and calling the opponent again
};

struct sLinkStatus {
    LinkState state = LinkState::Idle;
    std::string address; // where this side waits or calls
    uint16_t port = 0;
    std::string peerName;    // the opponent's nickname, once greeted
    std::string peerAddress; // where the opponent was connected from or to
};

// One line, empty while idle. Windows-1252, as the nicknames are.
std::string LinkStatusText(const sLinkStatus& status);
