#pragma once

#include "net/discovery_scope.h"

#include <QDialog>

#include <string>
#include <vector>

class CDiscoveryBrowser;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;

// The "Connect" dialog: who the local player is, whether this side waits
// for the opponent ("Server") or calls it ("Client"), and where. A caller
// sees the players waiting on the network and may pick one instead of
// typing an address; a waiting side may keep itself from being found.
class CConnectDlg : public QDialog {
    Q_OBJECT
public:
    explicit CConnectDlg(QWidget* parent = nullptr,
                         const sDiscoveryScope& scope = sDiscoveryScope::FromEnvironment());

    // Fills the controls from the fields; call once the fields are set.
    void Prepare();

    // "127.0.0.1" and every IPv4 address of this machine, sorted.
    static std::vector<std::string> LocalAddresses();

    // Fields, Windows-1252 text. mode: 1 server, 0 client.
    std::string nickname;
    std::string port = "5555";
    int mode = 1;
    std::string address;
    bool discoverable = true; // a waiting side answers discovery queries

    QLineEdit* NicknameEdit() const { return nicknameEdit_; }
    QRadioButton* ServerButton() const { return serverButton_; }
    QRadioButton* ClientButton() const { return clientButton_; }
    QComboBox* AddressCombo() const { return addressCombo_; }
    QLineEdit* PortEdit() const { return portEdit_; }
    QPushButton* StartButton() const { return startButton_; }
    QCheckBox* FindMeBox() const { return findMeBox_; }
    QGroupBox* PlayersGroup() const { return playersGroup_; }
    QListWidget* PlayersList() const { return playersList_; }
    CDiscoveryBrowser* Browser() const { return browser_; }

    static constexpr const char* kNoAddress = "Please select IP address or type it!";

public slots:
    // "Start!": takes the fields from the controls; refuses an empty address.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // The caller's list or the waiting side's switch, and the asking that
    // goes with the list while it is on the screen.
    void ShowMode();
    void ShowPlayers();
    // Address and port of the picked player into their boxes.
    void TakePlayer(const QListWidgetItem* item);

    QLineEdit* nicknameEdit_;
    QRadioButton* serverButton_;
    QRadioButton* clientButton_;
    QComboBox* addressCombo_;
    QLineEdit* portEdit_;
    QCheckBox* findMeBox_;
    QGroupBox* playersGroup_;
    QListWidget* playersList_;
    QPushButton* startButton_;
    CDiscoveryBrowser* browser_;
};

// The port text read as a decimal number the way atoi reads it: leading
// blanks and a sign, then digits up to the first other character; no digits
// give 0. Values beyond the int range saturate instead of overflowing.
int ParsePortText(const std::string& text);
