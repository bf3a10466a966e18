#include "net_fixture.h"

#include "net/packet_stream.h"
#include "platform/message_box.h"

#include <QTest>

// Resignation and draw offers between two programs' network sides, and what
// a reader that does not know their kinds makes of them.
namespace {

class GameEndNetTest : public NetTest {
protected:
    // White (listening) and Black have made one move each.
    void OpenGame() {
        ConnectPair(0);
        MoveFigure(server->scene, 4, 1, 4, 3);
        ASSERT_TRUE(WaitFor([&] { return client->scene.moveTable.entries.Count() == 1; }));
        MoveFigure(client->scene, 4, 6, 4, 4);
        ASSERT_TRUE(WaitFor([&] { return server->scene.moveTable.entries.Count() == 2; }));
        boxes.clear();
    }
    bool BothOver() { return server->scene.board.gameOver && client->scene.board.gameOver; }
};

TEST_F(GameEndNetTest, AResignationEndsBothGames) {
    OpenGame();
    answers = {platform::kIdYes}; // to "Do you really want to resign?"
    client->scene.Resign();
    ASSERT_TRUE(WaitFor([&] { return BothOver(); }));
    EXPECT_EQ(CountBoxes("Your opponent resigned."), 1);
    const sGameResult won = sGameResult::WonBy(kWhite, EndReason::Resignation);
    EXPECT_EQ(server->scene.board.result, won);
    EXPECT_EQ(client->scene.board.result, won);
}

TEST_F(GameEndNetTest, AnAcceptedOfferDrawsBothGames) {
    OpenGame();
    answers = {platform::kIdYes}; // the caller accepts
    server->scene.OfferDraw();
    ASSERT_TRUE(WaitFor([&] { return BothOver(); }));
    EXPECT_EQ(CountBoxes("Your opponent offers a draw. Do you accept?"), 1);
    EXPECT_EQ(CountBoxes("Your opponent accepts the draw."), 1);
    const sGameResult drawn = sGameResult::DrawnBy(EndReason::Agreement);
    EXPECT_EQ(server->scene.board.result, drawn);
    EXPECT_EQ(client->scene.board.result, drawn);
}

TEST_F(GameEndNetTest, ADeclinedOfferIsToldAndTheGameGoesOn) {
    OpenGame();
    answers = {platform::kIdNo};
    server->scene.OfferDraw();
    ASSERT_TRUE(WaitFor([&] { return CountBoxes("Your opponent declines the draw.") == 1; }));
    EXPECT_EQ(server->scene.drawOffer, CScene::DrawOffer::None);
    EXPECT_FALSE(server->scene.CanOfferDraw()); // not again before the next move
    MoveFigure(server->scene, 6, 0, 5, 2);
    ASSERT_TRUE(WaitFor([&] { return client->scene.moveTable.entries.Count() == 3; }));
    EXPECT_FALSE(server->scene.board.gameOver || client->scene.board.gameOver);
}

TEST_F(GameEndNetTest, TheOfferingSidesMoveWithdrawsItsOffer) {
    OpenGame();
    answers = {platform::kIdYes};
    // The move leaves before the answer can come back.
    server->scene.OfferDraw();
    MoveFigure(server->scene, 6, 0, 5, 2);
    ASSERT_TRUE(WaitFor([&] { return client->scene.moveTable.entries.Count() == 3; }));
    ASSERT_TRUE(WaitFor([&] { return CountBoxes("Your opponent offers a draw. Do you accept?"); }));
    // The acceptance found no offer; nobody's game ended.
    QTest::qWait(200);
    EXPECT_FALSE(server->scene.board.gameOver || client->scene.board.gameOver);
    EXPECT_EQ(client->scene.drawOffer, CScene::DrawOffer::None);
    EXPECT_EQ(server->scene.drawOffer, CScene::DrawOffer::None);
    MoveFigure(client->scene, 1, 7, 2, 5);
    ASSERT_TRUE(WaitFor([&] { return server->scene.moveTable.entries.Count() == 4; }));
}

// Their bytes are packets of the one layout every build reads: a reader
// that knows no kind 7 or 8 reads them whole and finds the next packet.
TEST(GameEndPackets, NewKindsAreWholePacketsOfTheOneLayout) {
    std::vector<uint8_t> bytes = CPkg::Text(PKG_RESIGN, {}).ToBytes();
    EXPECT_EQ(bytes.size(), 62u);
    const std::vector<uint8_t> offer = CPkg::Text(PKG_DRAW, "OFFER").ToBytes();
    EXPECT_EQ(offer.size(), 62u + 5u);
    bytes.insert(bytes.end(), offer.begin(), offer.end());
    const std::vector<uint8_t> move = CPkg::Move(4, 6, 4, 4, sRuleState{}).ToBytes();
    bytes.insert(bytes.end(), move.begin(), move.end());
    CPkgStream stream;
    stream.Append(bytes.data(), bytes.size());
    CPkg pkg;
    ASSERT_EQ(stream.Next(pkg), PkgStatus::Complete);
    EXPECT_EQ(pkg.kind, PKG_RESIGN);
    ASSERT_EQ(stream.Next(pkg), PkgStatus::Complete);
    EXPECT_EQ(pkg.kind, PKG_DRAW);
    EXPECT_EQ(pkg.text, "OFFER");
    ASSERT_EQ(stream.Next(pkg), PkgStatus::Complete);
    EXPECT_EQ(pkg.kind, PKG_MOVE);
    EXPECT_EQ(stream.Next(pkg), PkgStatus::NeedMore);
}

// A game host as builds before these kinds had it: it has no answer to a
// resignation or a draw word, so the connection reads them and moves on.
struct EarlierHost : CNetGameHost {
    explicit EarlierHost(CScene& scene) : scene(scene) {}
    std::string Nickname() const override { return "Old"; }
    int PlayerColor() const override { return scene.settings.playerColor; }
    const CBoard& Board() const override { return scene.board; }
    const CMoveTable& Moves() const override { return scene.moveTable; }
    bool IsNetworkGame() const override { return scene.networkGame != 0; }
    bool Discoverable() const override { return false; }
    void SetNickname(const std::string&) override {}
    void SetDiscoverable(bool) override {}
    void OnListening() override {}
    void OnNetworkGameBegun() override { scene.networkGame = 1; }
    void OnConnectionClosed() override { scene.networkGame = 0; }
    void OnConnectionLost() override { scene.networkGame = 0; }
    void OnLinkRestored(bool) override {}
    void Redraw() override {}
    void OnPeerColour(const std::string& text) override { scene.OnPeerColour(text); }
    void OnPeerMove(int fx, int fy, int tx, int ty, const sRuleState& r) override {
        scene.OnPeerMove(fx, fy, tx, ty, r);
    }
    void OnPeerNewGame() override { scene.OnPeerNewGame(); }
    CScene& scene;
};

TEST_F(NetTest, AnEarlierReaderFedTheNewKindsKeepsPlaying) {
    Side old;
    old.scene.settings.playerColor = 0;
    EarlierHost host(old.scene);
    old.net = std::make_unique<CNetGame>(host, nullptr);
    old.host.net = old.net.get();
    sConnectRequest request;
    request.address = "127.0.0.1";
    request.port = 0;
    request.nickname = "Old";
    ASSERT_TRUE(old.net->Start(request));
    RawPeer peer(old.net->ListeningPort());
    peer.Send(CPkg::Text(PKG_HELLO, std::string("New") + CNetGame::kGreeting));
    ASSERT_TRUE(WaitFor([&] { return old.scene.networkGame == 1; }));
    boxes.clear();

    MoveFigure(old.scene, 4, 1, 4, 3);
    for (const char* word : {"OFFER", "ACCEPT", "AGREED", "CLAIM"})
        peer.Send(CPkg::Text(PKG_DRAW, word));
    peer.Send(CPkg::Text(PKG_RESIGN, {}));
    sRuleState rights{};
    peer.Send(CPkg::Move(4, 6, 4, 4, rights));
    ASSERT_TRUE(WaitFor([&] { return old.scene.moveTable.entries.Count() == 2; }));
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(old.scene.board.gameOver, 0);
    EXPECT_EQ(old.scene.networkGame, 1);
    MoveFigure(old.scene, 6, 0, 5, 2);
    EXPECT_EQ(old.scene.moveTable.entries.Count(), 3);
}

} // namespace
