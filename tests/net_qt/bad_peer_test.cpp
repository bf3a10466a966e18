#include "net_fixture.h"

#include "net/chat_dialog.h"

#include <QTest>

#include <algorithm>

// The listening side plays White against a hand-made peer that has greeted
// it, so the peer's figures are the black ones.
class BadPeerTest : public NetTest {
protected:
    void SetUp() override {
        NetTest::SetUp();
        server->scene.settings.playerColor = 0;
        Greet();
    }
    void Greet() {
        peer = std::make_unique<RawPeer>(Listen(*server));
        peer->Send(Hello("Eve"));
        ASSERT_TRUE(WaitFor([&] { return server->scene.networkGame == 1; }));
        boxes.clear();
    }
    void TearDown() override {
        peer.reset();
        NetTest::TearDown();
    }

    // The peer's bytes end the connection with one message; the game stays.
    void ExpectRefused(const std::vector<uint8_t>& bytes, const char* message) {
        const auto position = Position(server->scene.board);
        const sRuleState rights = server->scene.board.rights;
        const int historyCount = server->scene.board.history.Count();
        peer->Write(bytes);
        ASSERT_TRUE(WaitFor([&] { return server->scene.networkGame == 0; }));
        EXPECT_TRUE(peer->WaitClosed());
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{message});
        EXPECT_EQ(Position(server->scene.board), position);
        EXPECT_TRUE(std::equal(rights.word, rights.word + 14, server->scene.board.rights.word));
        EXPECT_EQ(server->scene.moveTable.entries.Count(), 0);
        EXPECT_EQ(server->scene.board.history.Count(), historyCount);
        EXPECT_FALSE(server->net->HasPeer());
        EXPECT_FALSE(server->net->IsListening());
    }

    std::unique_ptr<RawPeer> peer;
};

TEST_F(BadPeerTest, AnOverlongTextIsNotReadAndEndsTheConnection) {
    // 0xFF, 0xFFFF, then a 32-bit length of 100000 bytes, and a little text.
    ExpectRefused({0xFF, 0xFF, 0xFF, 0xA0, 0x86, 0x01, 0x00, 'a', 'b', 'c'},
                  CNetGame::kTextTooLong);
}

TEST_F(BadPeerTest, MovesThatAreNoMovesOfTheGameAreRefused) {
    struct Case {
        const char* name;
        int fromX, fromY, toX, toY, promotion, promotedType;
    };
    const Case cases[] = {
        {"from off the board", -1, 6, 4, 4, 0, 0},
        {"to off the board", 4, 6, 4, 8, 0, 0},
        {"column 8", 8, 6, 4, 4, 0, 0},
        {"empty from-square", 4, 4, 4, 3, 0, 0},
        {"the receiver's own figure", 4, 1, 4, 3, 0, 0},
        {"promotion to a king", 4, 6, 4, 5, 1, 6},
        {"promotion to a pawn", 4, 6, 4, 5, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!peer) Greet();
        sRuleState rights{};
        rights[12] = c.promotion;
        rights[13] = c.promotedType;
        ExpectRefused(CPkg::Move(c.fromX, c.fromY, c.toX, c.toY, rights).ToBytes(),
                      CNetGame::kImpossibleMove);
        peer.reset();
    }
}

TEST_F(BadPeerTest, APlausibleMoveIsPlayed) {
    sRuleState rights{};
    rights[13] = 9; // a promoted type without the marker means nothing
    peer->Send(CPkg::Move(4, 6, 4, 4, rights));
    ASSERT_TRUE(WaitFor([&] { return server->scene.moveTable.entries.Count() == 1; }));
    EXPECT_EQ(server->scene.networkGame, 1);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(BadPeerTest, LeavingInTheMiddleOfAPacketIsNoticed) {
    MoveFigure(server->scene, 4, 1, 4, 3);
    ASSERT_EQ(server->scene.waitingForPeer, 1);
    const std::vector<uint8_t> move = CPkg::Move(4, 6, 4, 4, sRuleState{}).ToBytes();
    peer->Write({move.begin(), move.begin() + 30});
    QTest::qWait(20);
    peer->socket.disconnectFromHost();
    ASSERT_TRUE(WaitFor([&] { return server->scene.networkGame == 0; }));
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{CNetGame::kOpponentLeft});
    EXPECT_EQ(server->scene.waitingForPeer, 0);
    EXPECT_EQ(MoveTexts(server->scene), std::vector<std::string>{"E2 - E4"});
    EXPECT_EQ(server->scene.board.FigureAt(4, 3)->type, 1);
    EXPECT_EQ(server->scene.board.FigureAt(4, 6)->color, 1);
}

TEST_F(BadPeerTest, UnknownKindsAreReadAndIgnored) {
    peer->Send(CPkg::Text(PkgKind(9), "whatever"));
    peer->Send(CPkg::Text(PKG_COLOR, "BLACK")); // the listening side tells the colour
    peer->Send(CPkg::Text(PKG_CHAT, "Eve : after"));
    ASSERT_TRUE(WaitFor([&] { return server->net->Chat().Log().ends_with("\r\nEve : after"); }));
    EXPECT_EQ(server->scene.settings.playerColor, 0);
    EXPECT_TRUE(boxes.empty());
}
