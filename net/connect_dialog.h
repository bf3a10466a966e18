#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The "Connect" dialog: who the local player is, whether this side waits
// for the opponent ("Server") or calls it ("Client"), and where.
class CConnectDlg : public QDialog {
    Q_OBJECT
public:
    explicit CConnectDlg(QWidget* parent = nullptr);

    // Fills the controls from the fields; call once the fields are set.
    void Prepare();

    // "127.0.0.1" and every IPv4 address of this machine, sorted.
    static std::vector<std::string> LocalAddresses();

    // Fields, Windows-1252 text. mode: 1 server, 0 client.
    std::string nickname;
    std::string port = "5555";
    int mode = 1;
    std::string address;

    QLineEdit* NicknameEdit() const { return nicknameEdit_; }
    QRadioButton* ServerButton() const { return serverButton_; }
    QRadioButton* ClientButton() const { return clientButton_; }
    QComboBox* AddressCombo() const { return addressCombo_; }
    QLineEdit* PortEdit() const { return portEdit_; }
    QPushButton* StartButton() const { return startButton_; }

    static constexpr const char* kNoAddress = "Please select IP address or type it!";

public slots:
    // "Start!": takes the fields from the controls; refuses an empty address.
    void accept() override;

private:
    QLineEdit* nicknameEdit_;
    QRadioButton* serverButton_;
    QRadioButton* clientButton_;
    QComboBox* addressCombo_;
    QLineEdit* portEdit_;
    QPushButton* startButton_;
};

// The port text read as a decimal number the way atoi reads it: leading
// blanks and a sign, then digits up to the first other character; no digits
// give 0. Values beyond the int range saturate instead of overflowing.
int ParsePortText(const std::string& text);
