#include "support/cut_proxy.h"
#include "tavlion_process.h"

#include "net/discovery_datagram.h"

#include <QDeadlineTimer>
#include <QNetworkDatagram>
#include <QThread>
#include <QUdpSocket>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <set>

namespace {

constexpr int kTwoPlayers = 32773, kReconnect = 32850;

std::string Command(int id) {
    return "command " + std::to_string(id);
}

bool HaveDisplay() {
    const char* display = std::getenv("DISPLAY");
    return display && *display;
}

std::unique_ptr<TavlionProcess> Launch(const std::string& name, const std::string& settings = {}) {
    auto program = std::make_unique<TavlionProcess>(name, settings);
    EXPECT_TRUE(program->Start()) << program->Failure();
    return program;
}

// Two-player mode and waiting for an opponent on 127.0.0.1; the port it got.
int WaitForOpponent(TavlionProcess& program, const std::string& nickname) {
    EXPECT_TRUE(program.WaitReady()) << program.Failure();
    EXPECT_EQ(program.Request(Command(kTwoPlayers)), "ok");
    const std::string listening = program.Request("connect server 127.0.0.1 0 " + nickname);
    EXPECT_EQ(listening.rfind("ok ", 0), 0u) << listening;
    return std::atoi(listening.c_str() + 3);
}

bool QuitAll(std::initializer_list<TavlionProcess*> programs) {
    bool clean = true;
    for (TavlionProcess* program : programs)
        if (program && program->Running()) clean &= program->Quit();
    return clean;
}

// A player looking for opponents, as the Connect dialog looks: a query to
// every program of this machine, and the answers that come back.
class Seeker {
public:
    Seeker() { socket_.bind(QHostAddress::LocalHost, 0); }

    void Send(const std::vector<uint8_t>& bytes) {
        socket_.writeDatagram(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()),
                              QHostAddress(QStringLiteral("127.255.255.255")),
                              TavlionProcess::DiscoveryPort());
    }

    // Asks once a second for `seconds`; the nicknames and ports heard, and
    // whether anything heard was no answer of ours.
    std::set<std::pair<std::string, int>> Ask(int seconds, bool& strayReply) {
        std::set<std::pair<std::string, int>> heard;
        for (int round = 0; round < seconds; ++round) {
            Send(EncodeDiscoveryQuery());
            const QDeadlineTimer second(1000);
            while (!second.hasExpired()) {
                socket_.waitForReadyRead(int(std::max<qint64>(1, second.remainingTime())));
                while (socket_.hasPendingDatagrams()) {
                    const QByteArray data = socket_.receiveDatagram().data();
                    const auto answer = DecodeDiscoveryAnswer(std::span(
                        reinterpret_cast<const uint8_t*>(data.constData()), size_t(data.size())));
                    strayReply |= !answer;
                    if (answer) heard.insert({answer->nickname, answer->port});
                }
            }
        }
        return heard;
    }

private:
    QUdpSocket socket_;
};

} // namespace

TEST(ThreePrograms, DiscoveryFindsTheWaitingOnesButNotAHiddenOne) {
    if (!HaveDisplay()) GTEST_SKIP() << "no display; run under xvfb-run -a";
    auto ann = Launch("ann");
    auto cid = Launch("cid");
    auto hid = Launch("hid", "Discoverable=0\r\n");
    const int annPort = WaitForOpponent(*ann, "Ann");
    const int cidPort = WaitForOpponent(*cid, "Cid");
    WaitForOpponent(*hid, "Hid");

    Seeker seeker;
    bool stray = false;
    const std::set<std::pair<std::string, int>> expected = {{"Ann", annPort}, {"Cid", cidPort}};
    EXPECT_EQ(seeker.Ask(3, stray), expected);
    EXPECT_FALSE(stray);

    // Datagrams that are no queries of ours change nothing and get no answer.
    std::vector<uint8_t> otherVersion = EncodeDiscoveryQuery();
    otherVersion[4] = 9;
    std::vector<uint8_t> oversized = EncodeDiscoveryQuery();
    oversized.resize(kMaxDiscoveryDatagram + 1, 'x');
    for (const auto& bytes :
         {std::vector<uint8_t>{'?'}, otherVersion, oversized, std::vector<uint8_t>(4000, 0xA5)})
        seeker.Send(bytes);
    const std::vector<std::string> clipboardOnly = {
        "Tavlion: The IP address is in clipboard.\\nPlease give this address to your opponent."};
    for (TavlionProcess* program : {ann.get(), cid.get(), hid.get()}) {
        EXPECT_EQ(program->RequestBlock("boxes"), clipboardOnly);
        EXPECT_EQ(StateField(program->Request("state"), "net"), 0);
    }
    EXPECT_EQ(seeker.Ask(2, stray), expected);
    EXPECT_FALSE(stray);
    EXPECT_TRUE(QuitAll({ann.get(), cid.get(), hid.get()}));
}

// Two programs whose connection runs through a proxy the test cuts.
class CutGame : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HaveDisplay()) GTEST_SKIP() << "no display; run under xvfb-run -a";
        server = Launch("server");
        client = Launch("client");
        const int port = WaitForOpponent(*server, "Ann");
        ASSERT_TRUE(client->WaitReady()) << client->Failure();
        ASSERT_EQ(client->Request(Command(kTwoPlayers)), "ok");
        proxy = std::make_unique<CutProxy>(uint16_t(port));
        ASSERT_EQ(
            client->Request("connect client 127.0.0.1 " + std::to_string(proxy->Port()) + " Bob"),
            "ok");
        for (TavlionProcess* side : {server.get(), client.get()})
            ASSERT_TRUE(side->WaitState([](const std::string& s) {
                return StateField(s, "net") == 1 && StateField(s, "color") >= 0;
            })) << side->Request("state");
        ASSERT_TRUE(
            client->WaitState([](const std::string& s) { return StateField(s, "color") == 1; }));
    }

    void TearDown() override {
        EXPECT_TRUE(QuitAll({client.get(), server.get()}));
        proxy.reset();
    }

    // A move by `mover` that the other side shows.
    void Play(TavlionProcess& mover, TavlionProcess& other, const std::string& from,
              const std::string& to) {
        ASSERT_EQ(mover.Request("click " + from).rfind("ok", 0), 0u);
        ASSERT_EQ(mover.Request("click " + to).rfind("ok", 0), 0u);
        const std::string after = mover.Board();
        ASSERT_TRUE(other.WaitState([&](const std::string& s) {
            return s.rfind("ok " + after + " ", 0) == 0;
        })) << other.Request("state")
            << " instead of " << after;
    }

    void CutAndReconnect(TavlionProcess& first, TavlionProcess& second) {
        proxy->Cut();
        for (TavlionProcess* side : {server.get(), client.get()}) {
            ASSERT_TRUE(side->WaitState([](const std::string& s) {
                return StateField(s, "lost") == 1 && StateField(s, "net") == 0;
            })) << side->Request("state");
            ASSERT_TRUE(side->WaitState([&](const std::string&) {
                return side->Request("link").find("was lost: Actions > Reconnect") !=
                       std::string::npos;
            })) << side->Request("link");
        }
        proxy->DropFromCaller(false);
        proxy->DropFromListener(false);
        ASSERT_EQ(first.Request(Command(kReconnect)), "ok");
        ASSERT_EQ(second.Request(Command(kReconnect)), "ok");
        for (TavlionProcess* side : {server.get(), client.get()})
            ASSERT_TRUE(side->WaitState([](const std::string& s) {
                return StateField(s, "lost") == 0 && StateField(s, "net") == 1;
            })) << side->Request("state")
                << side->RequestBlock("boxes").back();
    }

    void ExpectSameGame() {
        ASSERT_TRUE(client->WaitState([&](const std::string&) {
            return client->Board() == server->Board() &&
                   client->RequestBlock("moves") == server->RequestBlock("moves");
        })) << client->Board()
            << " / " << server->Board();
    }

    std::unique_ptr<TavlionProcess> server, client;
    std::unique_ptr<CutProxy> proxy;
};

TEST_F(CutGame, ResumesWithEqualBoardsIncludingAMoveThatNeverArrived) {
    Play(*server, *client, "e2", "e4");
    Play(*client, *server, "e7", "e5");
    CutAndReconnect(*server, *client);
    ExpectSameGame();
    EXPECT_EQ(server->RequestBlock("moves").size(), 2u);
    EXPECT_EQ(StateField(server->Request("state"), "color"), 0);
    EXPECT_EQ(StateField(client->Request("state"), "color"), 1);
    EXPECT_EQ(StateField(client->Request("state"), "waiting"), 1);
    ASSERT_TRUE(server->WaitState([&](const std::string&) {
        return server->Request("link") == "ok Connected to Bob (127.0.0.1)";
    })) << server->Request("link");

    // White's knight leaves, but its packet never reaches Black.
    Play(*server, *client, "g1", "f3");
    proxy->DropFromCaller(true);
    ASSERT_EQ(client->Request("click b8").rfind("ok", 0), 0u);
    ASSERT_EQ(client->Request("click c6").rfind("ok", 0), 0u);
    const std::string withAnswer = client->Board();
    EXPECT_EQ(withAnswer, "r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R");
    const QDeadlineTimer deadline(30000);
    while (proxy->DroppedBytes() < 62 && !deadline.hasExpired()) QThread::msleep(10);
    EXPECT_NE(server->Board(), withAnswer);

    // The caller asks first this time and calls until the other listens.
    CutAndReconnect(*client, *server);
    ExpectSameGame();
    EXPECT_EQ(server->Board(), withAnswer);
    EXPECT_EQ(server->RequestBlock("moves").size(), 4u);
    Play(*server, *client, "f1", "c4");
    ExpectSameGame();
    EXPECT_GE(proxy->Accepted(), 3);
}
