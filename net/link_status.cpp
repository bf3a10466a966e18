#include "net/link_status.h"

namespace {

std::string Place(const sLinkStatus& s) {
    return s.address + ", port " + std::to_string(s.port);
}

std::string Name(const sLinkStatus& s) {
    return s.peerName.empty() ? "your opponent" : s.peerName;
}

// "Bob (192.168.1.7)", or what is known of the opponent.
std::string Opponent(const sLinkStatus& s) {
    return s.peerAddress.empty() ? Name(s) : Name(s) + " (" + s.peerAddress + ")";
}

std::string LostFrom(const sLinkStatus& s) {
    return "The connection to " + Opponent(s) + " was lost";
}

} // namespace

std::string LinkStatusText(const sLinkStatus& s) {
    switch (s.state) {
    case LinkState::Idle:
        return {};
    case LinkState::Listening:
        return "Waiting for an opponent at " + Place(s);
    case LinkState::Calling:
        return "Calling " + Place(s) + "...";
    case LinkState::Connected:
        return "Connected to " + Opponent(s);
    case LinkState::Lost:
        return LostFrom(s) + ": Actions > Reconnect goes on with the game";
    case LinkState::Relistening:
        return LostFrom(s) + "; waiting for " + Name(s) + " to call again at " + Place(s);
    case LinkState::Recalling:
        return LostFrom(s) + "; calling " + Place(s) + " again...";
    }
    return {};
}
