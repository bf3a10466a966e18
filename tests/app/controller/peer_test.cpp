#include "scene_fixture.h"

#include "render/geometry/matrix.h"

TEST_F(SceneTest, PeerColourWhiteMeansThisSidePlaysBlack) {
    CScene& s = StartScene();
    const int frames = host.frames;
    s.OnPeerColour("WHITE");
    EXPECT_EQ(s.settings.playerColor, 1);
    EXPECT_EQ(s.settings.currentMove, 1);
    float identity[16];
    SetIdentity(identity);
    EXPECT_TRUE(std::equal(identity, identity + 16, s.settings.matrix));
    EXPECT_GT(host.frames, frames);

    for (const char* other : {"BLACK", "white", ""}) {
        s.OnPeerColour(other);
        EXPECT_EQ(s.settings.playerColor, 0) << other;
        EXPECT_EQ(s.settings.currentMove, 0) << other;
        float halfTurn[16];
        SetHalfTurn(halfTurn);
        EXPECT_TRUE(std::equal(halfTurn, halfTurn + 16, s.settings.matrix)) << other;
    }
}

TEST_F(SceneTest, PeerNewGameResetsTheGame) {
    CScene& s = StartScene();
    s.settings.playerMode = 1;
    s.networkGame = 1;
    s.settings.playerColor = 1;
    s.gameStarted = 1;
    s.waitingForPeer = 1;
    s.whiteClock.seconds = 12;
    s.OnPeerNewGame();
    EXPECT_EQ(s.gameStarted, 0);
    EXPECT_EQ(s.waitingForPeer, 0);
    EXPECT_EQ(s.settings.currentMove, 1);
    EXPECT_EQ(s.ClockText(0), "White 00:00:00");
    EXPECT_EQ(host.sentNewGames, 0); // the peer's own reset is not echoed
}

TEST_F(SceneTest, PeerMoveTakesTheRightsAndHandsTheTurnBack) {
    CScene& s = StartScene();
    s.settings.playerMode = 1;
    s.networkGame = 1;
    s.waitingForPeer = 1;
    sRuleState rules{};
    rules[0] = 1;
    rules[13] = 4;
    s.OnPeerMove(4, 6, 4, 4, rules);
    EXPECT_EQ(s.board.rights[0], 1);
    EXPECT_EQ(s.board.rights[13], 4);
    EXPECT_EQ(s.waitingForPeer, 0);
    EXPECT_EQ(s.gameStarted, 1);
}

TEST_F(SceneTest, NewGameInANetworkGameIsSentToThePeer) {
    CScene& s = StartScene();
    s.networkGame = 1;
    s.NewGame();
    EXPECT_EQ(host.sentNewGames, 1);
    s.networkGame = 0;
    s.NewGame();
    EXPECT_EQ(host.sentNewGames, 1);
}
