#include "net_fixture.h"

#include "app/controller/clock.h"
#include "net/chat_dialog.h"
#include "support/cut_proxy.h"

#include <QTcpServer>
#include <QTest>

namespace {

uint32_t fakeNow = 0;
uint32_t FakeNow() {
    return fakeNow;
}

bool Lost(const Side& side) {
    return side.scene.connectionLost == 1 && side.scene.networkGame == 0;
}

bool Resumed(const Side& side) {
    return side.scene.connectionLost == 0 && side.scene.networkGame == 1;
}

// The bytes a peer sent, read as packets; only the kinds are kept.
std::vector<int> Kinds(const QByteArray& bytes) {
    CPkgStream stream;
    stream.Append(bytes.constData(), size_t(bytes.size()));
    std::vector<int> kinds;
    CPkg pkg;
    while (stream.Next(pkg) == PkgStatus::Complete) kinds.push_back(pkg.kind);
    return kinds;
}

} // namespace

// Two copies of the game whose connection runs through a proxy the test cuts.
class ResumeTest : public NetTest {
protected:
    void SetUp() override {
        NetTest::SetUp();
        SetClockTickSource(FakeNow);
        for (Side* side : {server.get(), client.get()}) side->net->redialDelayMs = 50;
    }
    void TearDown() override {
        proxy.reset();
        SetClockTickSource(nullptr);
        NetTest::TearDown();
    }

    // Server White, client Black, through the proxy.
    void ConnectThroughProxy() {
        server->scene.settings.playerColor = 0;
        proxy = std::make_unique<CutProxy>(Listen(*server));
        ASSERT_TRUE(proxy->Listening());
        ASSERT_TRUE(client->net->Start({"Bob", "127.0.0.1", proxy->Port(), false}));
        ASSERT_TRUE(WaitFor([&] {
            return server->scene.networkGame && client->scene.networkGame &&
                   client->scene.settings.playerColor == 1;
        })) << ::testing::PrintToString(BoxTexts());
    }

    void Play(Side& mover, Side& other, int fx, int fy, int tx, int ty) {
        const int count = mover.scene.moveTable.entries.Count();
        MoveFigure(mover.scene, fx, fy, tx, ty);
        ASSERT_EQ(mover.scene.moveTable.entries.Count(), count + 1);
        ASSERT_TRUE(WaitFor([&] { return other.scene.moveTable.entries.Count() == count + 1; }));
    }

    void CutAndWaitLost() {
        proxy->Cut();
        ASSERT_TRUE(WaitFor([&] { return Lost(*server) && Lost(*client); }))
            << ::testing::PrintToString(BoxTexts());
        EXPECT_EQ(CountBoxes(CNetGame::kOpponentLeft), 2);
        EXPECT_TRUE(server->net->IsLost());
        EXPECT_TRUE(client->net->IsLost());
    }

    // 1. e4, and the connection goes.
    void LoseAfterWhitesFirstMove() {
        ConnectThroughProxy();
        Play(*server, *client, 4, 1, 4, 3);
        CutAndWaitLost();
    }

    void ReconnectBoth() {
        ASSERT_TRUE(server->net->Reconnect());
        ASSERT_TRUE(client->net->Reconnect());
        ASSERT_TRUE(WaitFor([&] { return Resumed(*server) && Resumed(*client); }))
            << ::testing::PrintToString(BoxTexts());
    }

    void ExpectSameGame() {
        EXPECT_EQ(Position(server->scene.board), Position(client->scene.board));
        EXPECT_EQ(MoveTexts(server->scene), MoveTexts(client->scene));
    }

    std::unique_ptr<CutProxy> proxy;
};

TEST_F(ResumeTest, ACutGameGoesOnWithItsColoursAndClocks) {
    ConnectThroughProxy();
    Play(*server, *client, 4, 1, 4, 3);
    Play(*client, *server, 4, 6, 4, 4);
    server->scene.whiteClock = {0, 3, 12};
    server->scene.blackClock = {0, 2, 40};
    CutAndWaitLost();

    // While the game waits, nobody moves and no clock runs.
    MoveFigure(server->scene, 6, 0, 5, 2);
    EXPECT_EQ(server->scene.moveTable.entries.Count(), 2);
    for (int i = 0; i < 5; ++i) {
        fakeNow += 1500;
        server->scene.TickClocks();
    }
    EXPECT_EQ(server->scene.whiteClock.Text(), "00:03:12");
    EXPECT_EQ(server->scene.settings.playerColor, 0);

    ReconnectBoth();
    ExpectSameGame();
    EXPECT_EQ(server->scene.settings.playerColor, 0);
    EXPECT_EQ(client->scene.settings.playerColor, 1);
    EXPECT_EQ(server->scene.waitingForPeer, 0);
    EXPECT_EQ(client->scene.waitingForPeer, 1);
    EXPECT_EQ(server->scene.whiteClock.Text(), "00:03:12");
    EXPECT_EQ(server->scene.blackClock.Text(), "00:02:40");
    fakeNow += 1500;
    server->scene.TickClocks();
    EXPECT_EQ(server->scene.whiteClock.Text(), "00:03:13");

    // The game goes on where it stopped.
    Play(*server, *client, 6, 0, 5, 2);
    Play(*client, *server, 1, 7, 2, 5);
    ExpectSameGame();
    EXPECT_EQ(CountBoxes(CNetGame::kGamesDiffer), 0);
    EXPECT_EQ(proxy->Accepted(), 2);
}

// The drop came between White's move and its packet: the move is sent again.
TEST_F(ResumeTest, AMoveThatNeverArrivedIsSentAgain) {
    ConnectThroughProxy();
    Play(*server, *client, 4, 1, 4, 3);
    Play(*client, *server, 4, 6, 4, 4);
    proxy->DropFromListener(true);
    MoveFigure(server->scene, 6, 0, 5, 2);
    ASSERT_TRUE(WaitFor([&] { return proxy->DroppedBytes() >= 62; }));
    EXPECT_EQ(client->scene.moveTable.entries.Count(), 2);
    CutAndWaitLost();
    proxy->DropFromListener(false);

    ReconnectBoth();
    ASSERT_TRUE(WaitFor([&] { return client->scene.moveTable.entries.Count() == 3; }));
    ExpectSameGame();
    EXPECT_EQ(client->scene.board.FigureAt(5, 2)->type, kKnight);
    EXPECT_EQ(server->scene.waitingForPeer, 1);
    EXPECT_EQ(client->scene.waitingForPeer, 0);
    Play(*client, *server, 1, 7, 2, 5);
    ExpectSameGame();
}

// The same, Black's answer lost on its way; the client calls before the
// server listens again and keeps calling until it does.
TEST_F(ResumeTest, BlacksLostAnswerArrivesWhoeverReconnectsFirst) {
    ConnectThroughProxy();
    Play(*server, *client, 3, 1, 3, 3);
    proxy->DropFromCaller(true);
    MoveFigure(client->scene, 3, 6, 3, 4);
    ASSERT_TRUE(WaitFor([&] { return proxy->DroppedBytes() >= 62; }));
    CutAndWaitLost();
    proxy->DropFromCaller(false);

    ASSERT_TRUE(client->net->Reconnect());
    ASSERT_TRUE(WaitFor([&] { return proxy->Accepted() >= 3; }));
    EXPECT_FALSE(client->scene.networkGame);
    ASSERT_TRUE(server->net->Reconnect());
    ASSERT_TRUE(WaitFor([&] { return Resumed(*server) && Resumed(*client); }));
    ASSERT_TRUE(WaitFor([&] { return server->scene.moveTable.entries.Count() == 2; }));
    ExpectSameGame();
    EXPECT_EQ(server->scene.waitingForPeer, 0);
    Play(*server, *client, 2, 1, 2, 3);
    ExpectSameGame();
}

// Games that went apart are kept apart: each side keeps its own.
TEST_F(ResumeTest, DifferentGamesAreBothKeptAndTheConnectionCloses) {
    LoseAfterWhitesFirstMove();
    // The client's list says another first move than its board.
    client->scene.moveTable.entries[0]->fromX = 3;
    client->scene.moveTable.entries[0]->toX = 3;
    const auto serverBoard = Position(server->scene.board);

    ASSERT_TRUE(server->net->Reconnect());
    ASSERT_TRUE(client->net->Reconnect());
    ASSERT_TRUE(WaitFor([&] { return CountBoxes(CNetGame::kGamesDiffer) == 2; }))
        << ::testing::PrintToString(BoxTexts());
    for (Side* side : {server.get(), client.get()}) {
        EXPECT_EQ(side->scene.networkGame, 0);
        EXPECT_EQ(side->scene.connectionLost, 0);
        EXPECT_FALSE(side->net->IsLost());
        EXPECT_FALSE(side->net->HasPeer());
        EXPECT_EQ(side->scene.moveTable.entries.Count(), 1);
    }
    EXPECT_EQ(Position(server->scene.board), serverBoard);
    EXPECT_EQ(CountBoxes(CNetGame::kOpponentLeft), 2);
}

// Somebody else calls the waiting side, sends a game of its own and leaves
// before greeting: the side waits on, and the opponent's game is the one
// compared.
TEST_F(ResumeTest, AStrangerCallingFirstChangesNothing) {
    LoseAfterWhitesFirstMove();
    ASSERT_TRUE(server->net->Reconnect());
    {
        RawPeer stranger(server->net->ListeningPort());
        stranger.Send(CPkg::Text(PKG_GAME, "1 " + std::string(64, '.')));
        stranger.socket.disconnectFromHost();
        ASSERT_TRUE(stranger.WaitClosed());
    }
    QTest::qWait(100);
    EXPECT_TRUE(server->net->IsListening());
    EXPECT_TRUE(Lost(*server));
    ASSERT_TRUE(client->net->Reconnect());
    ASSERT_TRUE(WaitFor([&] { return Resumed(*server) && Resumed(*client); }))
        << ::testing::PrintToString(BoxTexts());
    ExpectSameGame();
    EXPECT_EQ(CountBoxes(CNetGame::kGamesDiffer), 0);
}

// A peer that does not take up games (an earlier build) calls a side that
// does: the connection is a new one, with a new game, and only the packets
// of before go to it.
TEST_F(ResumeTest, APeerThatSendsNoGameGetsANewGameAndOnlyKnownPackets) {
    LoseAfterWhitesFirstMove();
    ASSERT_TRUE(server->net->Reconnect());

    RawPeer earlier(server->net->ListeningPort());
    earlier.Send(Hello("Old"));
    ASSERT_TRUE(WaitFor([&] { return CountBoxes(CNetGame::kNotResumed) == 1; }));
    EXPECT_TRUE(Resumed(*server));
    EXPECT_EQ(server->scene.moveTable.entries.Count(), 0);
    EXPECT_EQ(server->scene.gameStarted, 0);
    ASSERT_TRUE(WaitFor([&] { return Kinds(earlier.received).size() == 2; }));
    EXPECT_EQ(Kinds(earlier.received), (std::vector<int>{PKG_HELLO, PKG_COLOR}));

    MoveFigure(server->scene, 4, 1, 4, 3);
    earlier.Send(CPkg::Move(4, 6, 4, 4, sRuleState{}));
    ASSERT_TRUE(WaitFor([&] { return server->scene.moveTable.entries.Count() == 2; }));
    EXPECT_EQ(Kinds(earlier.received), (std::vector<int>{PKG_HELLO, PKG_COLOR, PKG_MOVE}));
}

// The same seen from the caller: a listening side of an earlier build reads
// the game packet as a kind it does not know, and the caller starts anew.
TEST_F(ResumeTest, ACallerTakingUpAGameMeetsAListenerThatSendsNone) {
    LoseAfterWhitesFirstMove();

    QTcpServer earlier;
    ASSERT_TRUE(earlier.listen(QHostAddress::LocalHost, 0));
    QTcpSocket* accepted = nullptr;
    QByteArray received;
    QObject::connect(&earlier, &QTcpServer::newConnection, [&] {
        accepted = earlier.nextPendingConnection();
        QObject::connect(accepted, &QTcpSocket::readyRead, [&] {
            received += accepted->readAll();
            if (Kinds(received).size() == 2) {
                const auto colour = CPkg::Text(PKG_COLOR, "WHITE").ToBytes();
                accepted->write(reinterpret_cast<const char*>(colour.data()),
                                qint64(colour.size()));
            }
        });
        const auto hello = Hello("Old").ToBytes();
        accepted->write(reinterpret_cast<const char*>(hello.data()), qint64(hello.size()));
    });
    // The client calls the address it called before, which now leads there.
    proxy->SetTarget(earlier.serverPort());
    ASSERT_TRUE(client->net->Reconnect());
    ASSERT_TRUE(WaitFor([&] { return CountBoxes(CNetGame::kNotResumed) == 1; }))
        << ::testing::PrintToString(BoxTexts());
    EXPECT_EQ(Kinds(received), (std::vector<int>{PKG_GAME, PKG_HELLO}));
    EXPECT_TRUE(Resumed(*client));
    EXPECT_EQ(client->scene.moveTable.entries.Count(), 0);
    EXPECT_EQ(client->scene.settings.playerColor, 1);
    EXPECT_EQ(client->scene.waitingForPeer, 0);
    EXPECT_TRUE(server->net->IsLost());
}

// New Game, or a game file opened, leaves nothing to take up; saving the
// waiting game keeps it waiting.
TEST_F(ResumeTest, ANewGameOrAnOpenedOneEndsTheWait) {
    LoseAfterWhitesFirstMove();
    ASSERT_EQ(server->scene.SaveGame("waiting.chs"), 1);
    EXPECT_TRUE(server->net->IsLost());
    EXPECT_EQ(server->scene.connectionLost, 1);
    ASSERT_EQ(client->scene.OpenGame("waiting.chs"), 1);
    EXPECT_FALSE(client->net->IsLost());
    EXPECT_EQ(client->scene.connectionLost, 0);

    ASSERT_TRUE(server->net->Reconnect());
    EXPECT_TRUE(server->net->IsListening());
    server->scene.NewGame();
    EXPECT_FALSE(server->net->IsLost());
    EXPECT_FALSE(server->net->IsListening());
    EXPECT_EQ(server->scene.connectionLost, 0);
    EXPECT_FALSE(server->net->Reconnect());
    // Moves are taken again, as in any game at one machine.
    MoveFigure(server->scene, 4, 1, 4, 3);
    EXPECT_EQ(server->scene.moveTable.entries.Count(), 1);
}

// A peer that speaks only the packets of earlier builds plays a whole game
// with this one and never gets a packet of another kind.
TEST_F(NetTest, AnEarlierBuildPlaysAWholeGame) {
    server->scene.settings.playerColor = 0;
    RawPeer earlier(Listen(*server));
    earlier.Send(Hello("Old"));
    ASSERT_TRUE(WaitFor([&] { return Kinds(earlier.received).size() == 2; }));
    EXPECT_EQ(server->scene.networkGame, 1);

    CScene& white = server->scene;
    MoveFigure(white, 5, 1, 5, 2);
    earlier.Send(CPkg::Move(4, 6, 4, 4, sRuleState{}));
    ASSERT_TRUE(WaitFor([&] { return white.moveTable.entries.Count() == 2; }));
    MoveFigure(white, 6, 1, 6, 3);
    earlier.Send(CPkg::Move(3, 7, 7, 3, sRuleState{}));
    ASSERT_TRUE(WaitFor([&] { return white.board.gameOver == 1; }));
    EXPECT_EQ(CountBoxes("Mate!"), 1);
    earlier.Send(CPkg::Text(PKG_NEWGAME, ""));
    ASSERT_TRUE(WaitFor([&] { return white.moveTable.entries.Count() == 0; }));
    EXPECT_EQ(white.board.gameOver, 0);

    ASSERT_TRUE(WaitFor([&] { return Kinds(earlier.received).size() == 4; }));
    EXPECT_EQ(Kinds(earlier.received),
              (std::vector<int>{PKG_HELLO, PKG_COLOR, PKG_MOVE, PKG_MOVE}));
    EXPECT_EQ(server->scene.networkGame, 1);
}
