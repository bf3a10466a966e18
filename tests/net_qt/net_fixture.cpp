#include "net_fixture.h"

#include "platform/message_box.h"

#include <QTest>

#include <stdlib.h>

Side::Side() {
    EXPECT_EQ(scene.Create(), 1);
    scene.playWave = [](const std::string&) { return true; };
    scene.settings.playerMode = 1;
    net = std::make_unique<CNetGame>(scene.NetHost(), nullptr);
    host.net = net.get();
}

Side::~Side() {
    scene.Destroy();
    host.net = nullptr;
}

std::vector<std::pair<int, int>> Position(const CBoard& board) {
    std::vector<std::pair<int, int>> squares;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const CFigure* f = board.FigureAt(x, y);
            squares.emplace_back(f ? f->type : 0, f ? f->color : -1);
        }
    return squares;
}

std::vector<std::string> MoveTexts(const CScene& scene) {
    std::vector<std::string> texts;
    for (int i = 0; i < scene.moveTable.entries.Count(); ++i)
        texts.push_back(scene.moveTable.entries[i]->text);
    return texts;
}

bool WaitFor(const std::function<bool()>& condition, int milliseconds) {
    return QTest::qWaitFor(condition, milliseconds);
}

void NetTest::SetUp() {
    previousDir = std::filesystem::current_path();
    std::string pattern = (std::filesystem::temp_directory_path() / "net-XXXXXX").string();
    workDir = mkdtemp(pattern.data());
    std::filesystem::current_path(workDir);
    // The engine is found in the working directory first, which also works
    // where the loader's own search path is not the program's.
    const std::filesystem::path engine = std::filesystem::path(TAVLION_STAGE_DIR) / "libEngine.so";
    if (std::filesystem::exists(engine))
        std::filesystem::create_symlink(engine, workDir / engine.filename());
    platform::SetMessageBoxHandler(
        [this](const std::string& text, const std::string& caption, int buttons) {
            boxes.push_back({text, caption, buttons});
            if (buttons != platform::kYesNo) return int(platform::kIdOk);
            const int answer = answers.empty() ? int(platform::kIdNo) : answers.front();
            if (!answers.empty()) answers.pop_front();
            return answer;
        });
    server = std::make_unique<Side>();
    client = std::make_unique<Side>();
}

void NetTest::TearDown() {
    server.reset();
    client.reset();
    platform::SetMessageBoxHandler(nullptr);
    std::filesystem::current_path(previousDir);
    std::filesystem::remove_all(workDir);
}

uint16_t NetTest::Listen(Side& side, const std::string& nickname) {
    EXPECT_TRUE(side.net->Start({nickname, "127.0.0.1", 0, true}));
    return side.net->ListeningPort();
}

void NetTest::ConnectPair(int serverColor) {
    server->scene.settings.playerColor = serverColor;
    client->scene.settings.playerColor = serverColor; // until it is told otherwise
    const uint16_t port = Listen(*server);
    ASSERT_NE(port, 0);
    ASSERT_TRUE(client->net->Start({"Bob", "127.0.0.1", port, false}));
    ASSERT_TRUE(WaitFor([&] {
        return server->scene.networkGame && client->scene.networkGame &&
               client->scene.settings.playerColor == 1 - serverColor;
    }));
}

std::vector<std::string> NetTest::BoxTexts() const {
    std::vector<std::string> texts;
    for (const Box& b : boxes) texts.push_back(b.text);
    return texts;
}

int NetTest::CountBoxes(const std::string& text) const {
    int count = 0;
    for (const Box& b : boxes) count += b.text == text;
    return count;
}

RawPeer::RawPeer(uint16_t port, bool waitForGreeting) {
    QObject::connect(&socket, &QTcpSocket::readyRead, [this] { received += socket.readAll(); });
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    EXPECT_TRUE(WaitFor([this] { return socket.state() == QAbstractSocket::ConnectedState; }));
    if (waitForGreeting) {
        EXPECT_TRUE(WaitFor([this] { return received.contains("Connected! Start to play"); }));
    }
}

void RawPeer::Write(const std::vector<uint8_t>& bytes) {
    socket.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    socket.flush();
}

bool RawPeer::WaitClosed() {
    return WaitFor([this] { return socket.state() == QAbstractSocket::UnconnectedState; });
}

CPkg Hello(const std::string& nickname) {
    return CPkg::Text(PKG_HELLO, nickname + CNetGame::kGreeting);
}
