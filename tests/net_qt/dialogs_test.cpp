#include "net_fixture.h"

#include "net/chat_dialog.h"
#include "net/connect_dialog.h"
#include "net/qt_text.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>
#include <QTimer>

#include <algorithm>
#include <climits>

TEST(PortText, ReadsLikeAtoi) {
    EXPECT_EQ(ParsePortText("5555"), 5555);
    EXPECT_EQ(ParsePortText("abc"), 0);
    EXPECT_EQ(ParsePortText(""), 0);
    EXPECT_EQ(ParsePortText("  42x"), 42);
    EXPECT_EQ(ParsePortText("-7"), -7);
    EXPECT_EQ(ParsePortText("99999999999999999999"), INT_MAX);
}

TEST(AnsiText, ConvertsTheWindowsPage) {
    const std::string ansi = "a\x80\xE9\x9F\x81";
    const QString text = net::AnsiToQString(ansi);
    EXPECT_EQ(text, QString::fromUtf16(u"a\u20AC\u00E9\u0178\u0081"));
    EXPECT_EQ(net::QStringToAnsi(QString::fromUtf16(u"a\u20AC\u00E9\u0178")), "a\x80\xE9\x9F");
    EXPECT_EQ(net::QStringToAnsi(QString::fromUtf16(u"\u4E2D")), "?");
}

class ConnectDialogTest : public NetTest {};

TEST_F(ConnectDialogTest, StartsAsServerWithTheLocalAddresses) {
    CConnectDlg dialog;
    dialog.nickname = "Bob\xE9";
    dialog.Prepare();
    EXPECT_EQ(dialog.windowTitle(), "Connect");
    EXPECT_EQ(dialog.NicknameEdit()->text(), QString::fromUtf16(u"Bob\u00E9"));
    EXPECT_TRUE(dialog.ServerButton()->isChecked());
    EXPECT_EQ(dialog.ServerButton()->text(), "Server");
    EXPECT_EQ(dialog.ClientButton()->text(), "Client");
    EXPECT_EQ(dialog.PortEdit()->text(), "5555");
    EXPECT_EQ(dialog.StartButton()->text(), "Start!");
    EXPECT_TRUE(dialog.StartButton()->isDefault());
    QStringList items;
    for (int i = 0; i < dialog.AddressCombo()->count(); ++i)
        items << dialog.AddressCombo()->itemText(i);
    EXPECT_TRUE(items.contains("127.0.0.1"));
    EXPECT_TRUE(std::is_sorted(items.begin(), items.end()));
    EXPECT_EQ(items.removeDuplicates(), 0);
    EXPECT_TRUE(dialog.AddressCombo()->isEditable());
    EXPECT_EQ(dialog.AddressCombo()->currentText(), "");
}

// A name or a line the fields take is one the opponent's copy reads.
TEST_F(ConnectDialogTest, NicknameAndChatFieldsTakeNoMoreThanIsSent) {
    CConnectDlg dialog;
    dialog.nickname = std::string(70000, 'n');
    dialog.Prepare();
    EXPECT_EQ(size_t(dialog.NicknameEdit()->text().size()), kMaxNicknameBytes);
    QLineEdit* message = server->net->Chat().MessageEdit();
    message->setText(QString(70000, 'c'));
    EXPECT_EQ(size_t(message->text().size()), kMaxChatMessageBytes);
}

TEST_F(ConnectDialogTest, AnEmptyAddressKeepsTheDialogOpen) {
    CConnectDlg dialog;
    dialog.Prepare();
    dialog.show();
    dialog.StartButton()->click();
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Please select IP address or type it!"});
    EXPECT_TRUE(dialog.isVisible());

    dialog.AddressCombo()->setEditText("127.0.0.1");
    dialog.ClientButton()->setChecked(true);
    dialog.PortEdit()->setText("12ab");
    dialog.NicknameEdit()->setText("Eve");
    dialog.StartButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.mode, 0);
    EXPECT_EQ(dialog.address, "127.0.0.1");
    EXPECT_EQ(dialog.nickname, "Eve");
    EXPECT_EQ(ParsePortText(dialog.port), 12);
}

TEST_F(ConnectDialogTest, TheConnectCommandListensAndCopiesTheAddress) {
    server->scene.settings.nickname = "Host";
    server->scene.settings.playerColor = 1;
    server->scene.settings.currentMove = 0;
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CConnectDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->NicknameEdit()->text(), "Host");
        dialog->AddressCombo()->setEditText("127.0.0.1");
        dialog->PortEdit()->setText("0");
        dialog->StartButton()->click();
    });
    server->net->Connect(nullptr);
    EXPECT_TRUE(server->net->IsListening());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "127.0.0.1");
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{CNetGame::kAddressCopied});
    EXPECT_EQ(server->scene.settings.currentMove, 1);
    EXPECT_TRUE(server->net->IsServer());

    // Connected, the command does nothing.
    server->scene.networkGame = 1;
    server->net->Connect(nullptr);
    EXPECT_TRUE(server->net->IsListening());
}

// The address goes to the clipboard only once somebody can reach it there.
TEST_F(ConnectDialogTest, APortInUseIsReportedAloneAndNothingIsCopied) {
    QTcpServer taken;
    ASSERT_TRUE(taken.listen(QHostAddress::LocalHost, 0));
    QGuiApplication::clipboard()->setText("kept");
    EXPECT_FALSE(server->net->Start({"Alice", "127.0.0.1", taken.serverPort(), true}));
    EXPECT_FALSE(server->net->IsListening());
    ASSERT_EQ(boxes.size(), 1u) << ::testing::PrintToString(BoxTexts());
    EXPECT_TRUE(boxes[0].text.starts_with("Cannot wait for an opponent at 127.0.0.1, port " +
                                          std::to_string(taken.serverPort())))
        << boxes[0].text;
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");
}

TEST_F(ConnectDialogTest, PortsBeyondTheRangeAreRefused) {
    EXPECT_FALSE(server->net->Start({"Alice", "127.0.0.1", 70000, true}));
    EXPECT_FALSE(server->net->IsListening());
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{CNetGame::kBadPort});
}

TEST_F(ConnectDialogTest, ChatWindowStaysOnTopAndOnlyHides) {
    CChatDlg& chat = server->net->Chat();
    EXPECT_EQ(chat.windowTitle(), "Chess Chat");
    EXPECT_TRUE(chat.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(chat.SendButton()->text(), "&Send!");
    EXPECT_TRUE(chat.SendButton()->isDefault());
    EXPECT_TRUE(chat.LogView()->isReadOnly());
    chat.ShowLine("Eve : hi");
    chat.ShowLine("Eve : there");
    EXPECT_TRUE(chat.isVisible());
    EXPECT_EQ(chat.Log(), "\r\nEve : hi\r\nEve : there");
    EXPECT_EQ(chat.LogView()->toPlainText(), "Eve : hi\nEve : there");
    chat.close();
    EXPECT_FALSE(chat.isVisible());
    EXPECT_EQ(chat.Log(), "\r\nEve : hi\r\nEve : there");
    server->net->ShowChat();
    EXPECT_TRUE(chat.isVisible());
}
