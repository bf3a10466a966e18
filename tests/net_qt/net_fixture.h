#pragma once

#include "app/controller/scene.h"
#include "net/connection.h"
#include "net/packet.h"
#include "support/scene_clicks.h"

#include <QTcpSocket>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// A window whose network hooks lead to its CNetGame, as the real one's do.
struct PeerHost : CSceneHost {
    void SendMoveToPeer(int fromX, int fromY, int toX, int toY, const sRuleState& r) override {
        if (net) net->SendMove(fromX, fromY, toX, toY, r);
    }
    void SendNewGameToPeer() override {
        if (net) net->SendNewGame();
    }
    void CloseConnection() override {
        if (net) net->Close();
    }
    void SendResignToPeer() override {
        if (net) net->SendResign();
    }
    void SendDrawToPeer(const std::string& word) override {
        if (net) net->SendDraw(word);
    }
    CNetGame* net = nullptr;
};

// One copy of the game: a controller in two-player mode and its network.
struct Side {
    Side();
    ~Side();
    PeerHost host;
    CScene scene{host};
    std::unique_ptr<CNetGame> net;
};

struct Box {
    std::string text, caption;
    int buttons;
};

// The board as (type, colour) per square, for "nothing changed" checks.
std::vector<std::pair<int, int>> Position(const CBoard& board);
std::vector<std::string> MoveTexts(const CScene& scene);
bool WaitFor(const std::function<bool()>& condition, int milliseconds = 5000);

// Each test runs in an empty working directory with the message boxes
// captured; a Yes/No question takes the next answer queued (No when none).
class NetTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A server on a port of the system's choice and a client calling it;
    // returns once the colour has been told.
    void ConnectPair(int serverColor = 0);
    // Listens on `side` and returns the port.
    uint16_t Listen(Side& side, const std::string& nickname = "Alice");
    std::vector<std::string> BoxTexts() const;
    int CountBoxes(const std::string& text) const;

    std::unique_ptr<Side> server, client;
    std::vector<Box> boxes;
    std::deque<int> answers;
    std::filesystem::path workDir, previousDir;
};

// A hand-made peer: a plain socket that sends whatever bytes a test crafts.
class RawPeer {
public:
    // Connects and waits for the listening side's greeting.
    explicit RawPeer(uint16_t port, bool waitForGreeting = true);
    void Write(const std::vector<uint8_t>& bytes);
    void Send(const CPkg& pkg) { Write(pkg.ToBytes()); }
    bool WaitClosed();
    QTcpSocket socket;
    QByteArray received;
};

CPkg Hello(const std::string& nickname);
