#include "net_fixture.h"

#include "net/connect_dialog.h"
#include "net/discovery_browser.h"
#include "net/discovery_datagram.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QNetworkDatagram>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QUdpSocket>

#include <fstream>
#include <sstream>

namespace {

QStringList Rows(const CConnectDlg& dialog) {
    QStringList rows;
    for (int i = 0; i < dialog.PlayersList()->count(); ++i)
        rows << dialog.PlayersList()->item(i)->text();
    return rows;
}

QListWidgetItem* RowOf(const CConnectDlg& dialog, const QString& nickname) {
    for (int i = 0; i < dialog.PlayersList()->count(); ++i)
        if (dialog.PlayersList()->item(i)->text().startsWith(nickname + " "))
            return dialog.PlayersList()->item(i);
    return nullptr;
}

// A program that is no player: it sends datagrams to the discovery port of
// this machine and keeps what comes back.
struct Stranger {
    Stranger() { socket.bind(QHostAddress::LocalHost, 0); }
    void Send(const QByteArray& bytes) {
        socket.writeDatagram(bytes, QHostAddress::LocalHost,
                             sDiscoveryScope::FromEnvironment().port);
    }
    void Send(const std::vector<uint8_t>& bytes) {
        Send(QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
    }
    std::vector<sDiscoveryAnswer> Answers() {
        while (socket.hasPendingDatagrams()) {
            const QByteArray data = socket.receiveDatagram().data();
            const auto answer = DecodeDiscoveryAnswer(
                std::span(reinterpret_cast<const uint8_t*>(data.constData()), size_t(data.size())));
            EXPECT_TRUE(answer) << "an answer that is none";
            if (answer) answers.push_back(*answer);
        }
        return answers;
    }
    QUdpSocket socket;
    std::vector<sDiscoveryAnswer> answers;
};

} // namespace

class DiscoveryTest : public NetTest {
protected:
    // A third and a fourth copy, both waiting too.
    void SetUp() override {
        NetTest::SetUp();
        carol = std::make_unique<Side>();
        hidden = std::make_unique<Side>();
    }
    void TearDown() override {
        carol.reset();
        hidden.reset();
        NetTest::TearDown();
    }
    std::unique_ptr<Side> carol, hidden;
};

TEST_F(DiscoveryTest, TheCallerSeesTheWaitingPlayersButNotAHiddenOne) {
    server->scene.settings.playerColor = 0;
    carol->scene.settings.playerColor = 1;
    const uint16_t alicePort = Listen(*server, "Alice");
    ASSERT_TRUE(carol->net->Start({"Carol", "127.0.0.1", 0, true}));
    ASSERT_TRUE(hidden->net->Start({"Hidden", "127.0.0.1", 0, true, false}));
    const uint16_t carolPort = carol->net->ListeningPort();
    EXPECT_TRUE(server->net->IsDiscoverable());
    EXPECT_FALSE(hidden->net->IsDiscoverable());

    CConnectDlg dialog;
    dialog.Prepare();
    dialog.show();
    // A waiting side may hide; a caller sees who waits.
    EXPECT_FALSE(dialog.PlayersGroup()->isVisible());
    EXPECT_TRUE(dialog.FindMeBox()->isVisible());
    EXPECT_TRUE(dialog.FindMeBox()->isChecked());
    EXPECT_EQ(dialog.FindMeBox()->text(), "Let players on this network find me");
    EXPECT_FALSE(dialog.Browser()->IsRunning());
    dialog.ClientButton()->setChecked(true);
    EXPECT_EQ(dialog.PlayersGroup()->title(), "Players on this network");
    EXPECT_TRUE(dialog.PlayersGroup()->isVisible());
    EXPECT_FALSE(dialog.FindMeBox()->isVisible());
    EXPECT_TRUE(dialog.Browser()->IsRunning());

    ASSERT_TRUE(WaitFor([&] { return RowOf(dialog, "Alice") && RowOf(dialog, "Carol"); }))
        << Rows(dialog).join(" | ").toStdString();
    // Past another refresh, the hidden side is still not there.
    QTest::qWait(CDiscoveryBrowser::kRefreshMs + 500);
    EXPECT_EQ(RowOf(dialog, "Hidden"), nullptr) << Rows(dialog).join(" | ").toStdString();
    EXPECT_EQ(RowOf(dialog, "Alice")->text(),
              QStringLiteral("Alice (White) at 127.0.0.1, port %1").arg(alicePort));
    EXPECT_EQ(RowOf(dialog, "Carol")->text(),
              QStringLiteral("Carol (Black) at 127.0.0.1, port %1").arg(carolPort));

    // Picking fills address and port; a double-click calls at once.
    dialog.PlayersList()->setCurrentItem(RowOf(dialog, "Carol"));
    EXPECT_EQ(dialog.AddressCombo()->currentText(), "127.0.0.1");
    EXPECT_EQ(dialog.PortEdit()->text(), QString::number(carolPort));
    QListWidgetItem* alice = RowOf(dialog, "Alice");
    const QRect row = dialog.PlayersList()->visualItemRect(alice);
    QTest::mouseClick(dialog.PlayersList()->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(dialog.PlayersList()->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.Browser()->IsRunning());
    EXPECT_EQ(dialog.mode, 0);
    EXPECT_EQ(dialog.address, "127.0.0.1");
    EXPECT_EQ(ParsePortText(dialog.port), alicePort);
}

// A waiting side that is found no longer answers once its opponent called.
TEST_F(DiscoveryTest, OnlyASideStillWaitingAnswers) {
    Stranger stranger;
    ConnectPair(0);
    EXPECT_FALSE(server->net->IsDiscoverable());
    stranger.Send(EncodeDiscoveryQuery());
    QTest::qWait(300);
    EXPECT_TRUE(stranger.Answers().empty());
}

TEST_F(DiscoveryTest, StrayDatagramsChangeNothingAndAFloodGetsAFewAnswers) {
    const uint16_t port = Listen(*server, "Alice");
    Stranger stranger;
    std::vector<uint8_t> otherVersion = EncodeDiscoveryQuery();
    otherVersion[4] = 2;
    std::vector<uint8_t> oversized = EncodeDiscoveryQuery();
    oversized.resize(kMaxDiscoveryDatagram + 1, 0);
    const std::vector<uint8_t> strays[] = {
        {},
        {'h', 'e', 'l', 'l', 'o'},
        std::vector<uint8_t>(kMaxDiscoveryDatagram + 1000, 0xFF),
        oversized,
        otherVersion,
        EncodeDiscoveryAnswer({1, 0, 4000, 0, "Mallory"}),
        CPkg::Text(PKG_HELLO, "Eve" + std::string(CNetGame::kGreeting)).ToBytes(),
    };
    for (const auto& stray : strays) stranger.Send(stray);
    QTest::qWait(300);
    EXPECT_TRUE(stranger.Answers().empty());
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{CNetGame::kAddressCopied});
    EXPECT_TRUE(server->net->IsListening());
    EXPECT_EQ(server->net->ListeningPort(), port);
    EXPECT_EQ(server->scene.networkGame, 0);

    // A query of ours is answered, a flood of them a few times a second.
    for (int i = 0; i < 40; ++i) stranger.Send(EncodeDiscoveryQuery());
    ASSERT_TRUE(WaitFor([&] { return !stranger.Answers().empty(); }));
    QTest::qWait(300);
    const auto answers = stranger.Answers();
    EXPECT_LE(answers.size(), 4u);
    EXPECT_EQ(answers[0].nickname, "Alice");
    EXPECT_EQ(answers[0].port, port);
    EXPECT_EQ(answers[0].address, QHostAddress(QHostAddress::LocalHost).toIPv4Address());

    // And the side still takes its opponent.
    client->scene.settings.playerColor = 0;
    ASSERT_TRUE(client->net->Start({"Bob", "127.0.0.1", port, false}));
    ASSERT_TRUE(WaitFor([&] { return client->scene.settings.playerColor == 1; }));
}

// The switch is the player's setting, kept in "Tavlion.INI".
TEST_F(DiscoveryTest, HidingIsASettingOfItsOwn) {
    EXPECT_EQ(server->scene.settings.discoverable, 1);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CConnectDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->FindMeBox()->isChecked());
        dialog->FindMeBox()->setChecked(false);
        dialog->AddressCombo()->setEditText("127.0.0.1");
        dialog->PortEdit()->setText("0");
        dialog->StartButton()->click();
    });
    server->net->Connect(nullptr);
    EXPECT_TRUE(server->net->IsListening());
    EXPECT_FALSE(server->net->IsDiscoverable());
    EXPECT_EQ(server->scene.settings.discoverable, 0);

    server.reset();
    std::ifstream file(workDir / "Tavlion.INI");
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_NE(text.str().find("Discoverable=0"), std::string::npos) << text.str();
}
