#include "net/link_status.h"

#include <gtest/gtest.h>

TEST(LinkStatus, SaysWhatTheLinkDoes) {
    const struct {
        LinkState state;
        const char* peer;
        const char* expected;
    } cases[] = {
        {LinkState::Idle, "", ""},
        {LinkState::Listening, "", "Waiting for an opponent at 127.0.0.1, port 5555"},
        {LinkState::Calling, "", "Calling 127.0.0.1, port 5555..."},
        {LinkState::Connected, "Bob", "Connected to Bob (10.1.2.3)"},
        {LinkState::Lost, "Bob",
         "The connection to Bob (10.1.2.3) was lost: Actions > Reconnect goes on with the game"},
        {LinkState::Relistening, "Bob",
         "The connection to Bob (10.1.2.3) was lost; waiting for Bob to call again at "
         "127.0.0.1, port 5555"},
        {LinkState::Recalling, "",
         "The connection to your opponent (10.1.2.3) was lost; calling 127.0.0.1, port 5555 "
         "again..."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LinkStatusText({c.state, "127.0.0.1", 5555, c.peer, "10.1.2.3"}), c.expected);
}
