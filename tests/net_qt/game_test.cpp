#include "net_fixture.h"

#include "net/chat_dialog.h"
#include "platform/message_box.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTest>

#include <array>

namespace {

void Say(Side& side, const std::string& message) {
    side.net->Chat().MessageEdit()->setText(QString::fromStdString(message));
    side.net->Chat().SendButton()->click();
}

bool LogHas(Side& side, const std::string& line) {
    return side.net->Chat().Log().find("\r\n" + line) != std::string::npos;
}

} // namespace

TEST_F(NetTest, GreetingsAndColourSetUpTheGame) {
    ConnectPair(0);
    EXPECT_EQ(server->net->Chat().Log(), "\r\nBob : Connected! Start to play...");
    EXPECT_EQ(client->net->Chat().Log(), "\r\nAlice : Connected! Start to play...");
    EXPECT_TRUE(client->net->Chat().isVisible());
    EXPECT_EQ(client->scene.settings.playerColor, 1); // the listening side plays White
    EXPECT_EQ(client->scene.settings.currentMove, 1);
    EXPECT_TRUE(server->net->IsServer());
    EXPECT_FALSE(client->net->IsServer());
    EXPECT_EQ(client->scene.settings.nickname, "Bob");
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{CNetGame::kAddressCopied});
}

TEST_F(NetTest, BlackListeningSideMakesTheCallerWhite) {
    ConnectPair(1);
    EXPECT_EQ(client->scene.settings.playerColor, 0);
}

TEST_F(NetTest, ShortGameToMateWithChat) {
    ConnectPair(0);
    CScene& white = server->scene;
    CScene& black = client->scene;

    MoveFigure(white, 5, 1, 5, 2);
    EXPECT_EQ(white.waitingForPeer, 1) << ::testing::PrintToString(BoxTexts());
    ASSERT_TRUE(WaitFor([&] { return black.moveTable.entries.Count() == 1; }));
    EXPECT_EQ(black.gameStarted, 1);

    Say(*client, "good luck");
    EXPECT_TRUE(LogHas(*client, "Bob : good luck"));
    EXPECT_TRUE(client->net->Chat().MessageEdit()->text().isEmpty());
    ASSERT_TRUE(WaitFor([&] { return LogHas(*server, "Bob : good luck"); }));

    MoveFigure(black, 4, 6, 4, 4);
    ASSERT_TRUE(WaitFor([&] { return white.moveTable.entries.Count() == 2; }));
    EXPECT_EQ(white.waitingForPeer, 0);
    MoveFigure(white, 6, 1, 6, 3);
    ASSERT_TRUE(WaitFor([&] { return black.moveTable.entries.Count() == 3; }));
    // Enter in the message line presses "&Send!".
    server->net->Chat().MessageEdit()->setText("hm");
    QTest::keyClick(server->net->Chat().MessageEdit(), Qt::Key_Return);
    EXPECT_TRUE(LogHas(*server, "Alice : hm"));
    MoveFigure(black, 3, 7, 7, 3);
    ASSERT_TRUE(WaitFor([&] { return white.moveTable.entries.Count() == 4; }));

    const std::vector<std::string> moves{"F2 - F3", "E7 - E5", "G2 - G4", "D8 - H4"};
    EXPECT_EQ(MoveTexts(white), moves);
    EXPECT_EQ(MoveTexts(black), moves);
    EXPECT_EQ(Position(white.board), Position(black.board));
    EXPECT_EQ(white.board.gameOver, 1);
    EXPECT_EQ(black.board.gameOver, 1);
    EXPECT_EQ(CountBoxes("Mate!"), 2);
    EXPECT_TRUE(LogHas(*client, "Alice : hm"));
    // No history is kept in a network game.
    EXPECT_EQ(white.board.history.Count(), black.board.history.Count());
}

TEST_F(NetTest, UndoAndRedoStayOffInANetworkGame) {
    // A game at one machine played to its end leaves its history behind, and
    // with no game running a connection may follow.
    CScene& white = server->scene;
    CScene& black = client->scene;
    const std::array<std::array<int, 4>, 4> foolsMate{
        {{5, 1, 5, 2}, {4, 6, 4, 4}, {6, 1, 6, 3}, {3, 7, 7, 3}}};
    for (auto [fx, fy, tx, ty] : foolsMate) MoveFigure(white, fx, fy, tx, ty);
    ASSERT_EQ(white.board.gameOver, 1);
    ASSERT_TRUE(white.CanUndo());
    ConnectPair(0);
    EXPECT_FALSE(white.CanUndo());
    EXPECT_FALSE(white.CanRedo());
    const auto before = Position(white.board);
    white.Undo();
    EXPECT_EQ(Position(white.board), before) << "the peer never had that game";
    EXPECT_EQ(white.board.gameOver, 1);

    // The next game is played over the network to its mate; neither side
    // has anything to take back, and each keeps its own colour to move.
    white.NewGame();
    for (size_t i = 0; i < foolsMate.size(); ++i) {
        auto [fx, fy, tx, ty] = foolsMate[i];
        MoveFigure(i % 2 == 0 ? white : black, fx, fy, tx, ty);
        ASSERT_TRUE(WaitFor([&] {
            return white.moveTable.entries.Count() == int(i) + 1 &&
                   black.moveTable.entries.Count() == int(i) + 1;
        }));
    }
    for (CScene* side : {&white, &black}) {
        ASSERT_EQ(side->board.gameOver, 1);
        EXPECT_FALSE(side->CanUndo());
        EXPECT_FALSE(side->CanRedo());
        const auto over = Position(side->board);
        const int toMove = side->settings.currentMove;
        side->Undo();
        side->Redo();
        EXPECT_EQ(Position(side->board), over);
        EXPECT_EQ(side->settings.currentMove, toMove);
        EXPECT_EQ(side->board.gameOver, 1);
    }
    EXPECT_EQ(white.settings.currentMove, 0);
    EXPECT_EQ(black.settings.currentMove, 1);
}

TEST_F(NetTest, EitherSideStartsANewGame) {
    ConnectPair(0);
    MoveFigure(server->scene, 4, 1, 4, 3);
    ASSERT_TRUE(WaitFor([&] { return client->scene.moveTable.entries.Count() == 1; }));

    client->scene.NewGame();
    EXPECT_EQ(client->scene.moveTable.entries.Count(), 0);
    ASSERT_TRUE(WaitFor([&] { return server->scene.moveTable.entries.Count() == 0; }));
    EXPECT_EQ(server->scene.board.FigureAt(4, 1)->type, 1);

    MoveFigure(server->scene, 3, 1, 3, 3);
    ASSERT_TRUE(WaitFor([&] { return client->scene.moveTable.entries.Count() == 1; }));
    server->scene.NewGame();
    ASSERT_TRUE(WaitFor([&] { return client->scene.moveTable.entries.Count() == 0; }));
    EXPECT_EQ(client->scene.gameStarted, 0);
    EXPECT_EQ(server->scene.networkGame, 1);
}

TEST_F(NetTest, PacketsArrivingTogetherAreAllHandledInOrder) {
    const uint16_t port = Listen(*server);
    RawPeer peer(port);
    std::vector<uint8_t> bytes = Hello("Eve").ToBytes();
    for (const CPkg& pkg : {CPkg::Text(PKG_CHAT, "Eve : one"), CPkg::Text(PKG_CHAT, "Eve : two"),
                            CPkg::Move(4, 6, 4, 4, sRuleState{})})
        pkg.Serialize(bytes);
    peer.Write(bytes);
    ASSERT_TRUE(WaitFor([&] { return server->scene.moveTable.entries.Count() == 1; }));
    EXPECT_EQ(server->net->Chat().Log(),
              "\r\nEve : Connected! Start to play...\r\nEve : one\r\nEve : two");
    EXPECT_EQ(server->scene.board.FigureAt(4, 4)->color, 1);
    EXPECT_EQ(server->scene.networkGame, 1);
}

TEST_F(NetTest, AStreamSplitAtEveryByteIsReadWhole) {
    const uint16_t port = Listen(*server);
    RawPeer peer(port);
    std::vector<uint8_t> bytes = Hello("Eve").ToBytes();
    CPkg::Text(PKG_CHAT, std::string(300, 'x')).Serialize(bytes); // a three-byte length
    CPkg::Move(6, 7, 5, 5, sRuleState{}).Serialize(bytes);
    for (uint8_t byte : bytes) {
        peer.Write({byte});
        QTest::qWait(1);
    }
    ASSERT_TRUE(WaitFor([&] { return server->scene.moveTable.entries.Count() == 1; }));
    EXPECT_EQ(server->net->Chat().Log(),
              "\r\nEve : Connected! Start to play...\r\n" + std::string(300, 'x'));
    EXPECT_EQ(server->scene.board.FigureAt(5, 5)->type, 2);
    EXPECT_TRUE(boxes.size() == 1); // the clipboard note only
}

TEST_F(NetTest, CloseConnectionOnTheListeningSideDropsBothSockets) {
    ConnectPair(0);
    server->net->Close();
    EXPECT_EQ(server->scene.networkGame, 0);
    EXPECT_FALSE(server->net->IsListening());
    EXPECT_FALSE(server->net->HasPeer());
    // The caller sees its opponent leave.
    ASSERT_TRUE(WaitFor([&] { return client->scene.networkGame == 0; }));
    EXPECT_EQ(CountBoxes(CNetGame::kOpponentLeft), 1);
    EXPECT_FALSE(client->net->HasPeer());
}

TEST_F(NetTest, CallerLeavingReturnsTheListeningSideToIdleWithTheBoardKept) {
    ConnectPair(0);
    MoveFigure(server->scene, 4, 1, 4, 3);
    ASSERT_TRUE(WaitFor([&] { return client->scene.moveTable.entries.Count() == 1; }));
    client->scene.Destroy();
    ASSERT_TRUE(WaitFor([&] { return server->scene.networkGame == 0; }));
    EXPECT_EQ(CountBoxes(CNetGame::kOpponentLeft), 1);
    EXPECT_EQ(server->scene.waitingForPeer, 0);
    EXPECT_EQ(MoveTexts(server->scene), std::vector<std::string>{"E2 - E4"});
    EXPECT_FALSE(server->net->IsListening());
}

TEST_F(NetTest, RefusedCallAsksAgainUntilNo) {
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    const uint16_t port = probe.serverPort();
    probe.close();
    answers = {platform::kIdYes, platform::kIdNo};
    ASSERT_TRUE(client->net->Start({"Bob", "127.0.0.1", port, false}));
    ASSERT_TRUE(WaitFor([&] { return boxes.size() == 2 && !client->net->IsCalling(); }));
    for (const Box& b : boxes) {
        EXPECT_EQ(b.text, "Not Connected. Do Yo want to try again?");
        EXPECT_EQ(b.caption, "Connecting Server...");
        EXPECT_EQ(b.buttons, platform::kYesNo);
    }
    QTest::qWait(50);
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_EQ(client->scene.networkGame, 0);
    EXPECT_FALSE(client->net->HasPeer());
}

TEST_F(NetTest, ASecondCallerIsTurnedAway) {
    ConnectPair(0);
    RawPeer intruder(server->net->ListeningPort(), false);
    EXPECT_TRUE(intruder.WaitClosed());
    EXPECT_TRUE(intruder.received.isEmpty());
    EXPECT_EQ(server->scene.networkGame, 1);
    Say(*client, "still here");
    ASSERT_TRUE(WaitFor([&] { return LogHas(*server, "Bob : still here"); }));
    EXPECT_EQ(CountBoxes(CNetGame::kOpponentLeft), 0);
}

TEST_F(NetTest, ACallerTurnedAwayIsNotToldItsOpponentLeft) {
    ConnectPair(0);
    Side third;
    third.scene.settings.playerMode = 1;
    ASSERT_TRUE(third.net->Start({"Carol", "127.0.0.1", server->net->ListeningPort(), false}));
    ASSERT_TRUE(WaitFor([&] { return CountBoxes(CNetGame::kClosedBeforeGame) == 1; }));
    EXPECT_EQ(CountBoxes(CNetGame::kOpponentLeft), 0);
    EXPECT_EQ(third.scene.networkGame, 0);
    EXPECT_FALSE(third.net->HasPeer());
    EXPECT_EQ(server->scene.networkGame, 1);
}

TEST_F(NetTest, ListeningAgainReplacesTheWaitingSocket) {
    const uint16_t first = Listen(*server);
    const uint16_t second = Listen(*server);
    ASSERT_NE(second, 0);
    if (first != second) {
        QTcpSocket stale;
        stale.connectToHost(QStringLiteral("127.0.0.1"), first);
        EXPECT_FALSE(stale.waitForConnected(2000));
    }
    client->scene.settings.playerColor = 0;
    ASSERT_TRUE(client->net->Start({"Bob", "127.0.0.1", second, false}));
    ASSERT_TRUE(WaitFor([&] { return client->scene.settings.playerColor == 1; }));
}

TEST_F(NetTest, SendWithoutConnectionDoesNothing) {
    Say(*client, "anyone?");
    EXPECT_EQ(client->net->Chat().Log(), "");
    EXPECT_EQ(client->net->Chat().MessageEdit()->text(), "anyone?");
    client->net->SendMove(4, 1, 4, 3, sRuleState{});
    client->net->SendNewGame();
    client->net->Close();
    EXPECT_TRUE(boxes.empty());
}

// Nicknames from a settings file and chat lines as long as the chat window
// takes: what one side sends, the other reads, and the game goes on.
TEST_F(NetTest, LongNicknamesAndChatLinesReachThePeer) {
    const std::string longName(70000, 'n');
    const uint16_t port = Listen(*server, longName);
    ASSERT_TRUE(client->net->Start({longName, "127.0.0.1", port, false}));
    ASSERT_TRUE(WaitFor([&] { return server->scene.networkGame && client->scene.networkGame; }))
        << ::testing::PrintToString(BoxTexts());
    const std::string& greeting = client->net->Chat().Log();
    EXPECT_TRUE(greeting.starts_with("\r\nnnnn")) << greeting.substr(0, 40);
    EXPECT_TRUE(greeting.ends_with("n : Connected! Start to play..."));
    EXPECT_LT(greeting.size(), 200u);

    Say(*client, std::string(70000, 'c'));
    const std::string& own = client->net->Chat().Log();
    const std::string line = own.substr(own.rfind("\r\n") + 2);
    EXPECT_NE(line.find(" : ccc"), std::string::npos);
    ASSERT_TRUE(WaitFor([&] { return server->net->Chat().Log().ends_with("\r\n" + line); }))
        << ::testing::PrintToString(BoxTexts());
    EXPECT_EQ(server->scene.networkGame, 1);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{CNetGame::kAddressCopied});
}

TEST_F(NetTest, EmptyChatMessageSendsNothing) {
    ConnectPair(0);
    const std::string log = client->net->Chat().Log();
    Say(*client, "");
    EXPECT_EQ(client->net->Chat().Log(), log);
}
