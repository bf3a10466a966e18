#include "net/connect_dialog.h"

#include "net/discovery_browser.h"
#include "net/packet.h"
#include "net/qt_text.h"
#include "platform/message_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QNetworkInterface>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cctype>
#include <climits>

namespace {

constexpr const char* kLoopback = "127.0.0.1";
constexpr const char* kColorNames[] = {"White", "Black"};

enum PlayerRole { kInstanceRole = Qt::UserRole, kAddressRole, kPortRole };

QGroupBox* Group(const char* title, QLayout* content) {
    auto* box = new QGroupBox(QString::fromLatin1(title));
    box->setLayout(content);
    return box;
}

} // namespace

int ParsePortText(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        value = std::min<long long>(value * 10 + (text[i] - '0'), INT_MAX + 1LL);
    value = negative ? -value : value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

CConnectDlg::CConnectDlg(QWidget* parent, const sDiscoveryScope& scope)
    : QDialog(parent), browser_(new CDiscoveryBrowser(scope, this)) {
    setWindowTitle(QStringLiteral("Connect"));
    setModal(true);

    nicknameEdit_ = new QLineEdit;
    nicknameEdit_->setMaxLength(int(kMaxNicknameBytes));
    auto* nicknameLayout = new QVBoxLayout;
    nicknameLayout->addWidget(nicknameEdit_);

    serverButton_ = new QRadioButton(QStringLiteral("Server"));
    clientButton_ = new QRadioButton(QStringLiteral("Client"));
    auto* modeLayout = new QVBoxLayout;
    modeLayout->addWidget(serverButton_);
    modeLayout->addWidget(clientButton_);

    addressCombo_ = new QComboBox;
    addressCombo_->setEditable(true);
    addressCombo_->setInsertPolicy(QComboBox::InsertAlphabetically);
    portEdit_ = new QLineEdit;
    auto* addressLayout = new QGridLayout;
    addressLayout->addWidget(new QLabel(QStringLiteral("IP:")), 0, 0);
    addressLayout->addWidget(addressCombo_, 0, 1);
    addressLayout->addWidget(new QLabel(QStringLiteral("Port:")), 1, 0);
    addressLayout->addWidget(portEdit_, 1, 1);

    findMeBox_ = new QCheckBox(QStringLiteral("Let players on this network find me"));
    playersList_ = new QListWidget;
    // Room for a long nickname and a full address without scrolling.
    playersList_->setMinimumWidth(
        playersList_->fontMetrics().horizontalAdvance(QStringLiteral("M")) * 28);
    auto* playersLayout = new QVBoxLayout;
    playersLayout->addWidget(playersList_);
    playersGroup_ = Group("Players on this network", playersLayout);

    startButton_ = new QPushButton(QStringLiteral("Start!"));
    startButton_->setDefault(true);
    connect(startButton_, &QPushButton::clicked, this, &CConnectDlg::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Group("Nickname", nicknameLayout));
    layout->addWidget(Group("Mode", modeLayout));
    layout->addWidget(Group("Address", addressLayout));
    layout->addWidget(findMeBox_);
    layout->addWidget(playersGroup_, 1);
    layout->addWidget(startButton_, 0, Qt::AlignHCenter);

    connect(clientButton_, &QRadioButton::toggled, this, &CConnectDlg::ShowMode);
    connect(browser_, &CDiscoveryBrowser::PlayersChanged, this, &CConnectDlg::ShowPlayers);
    connect(playersList_, &QListWidget::currentItemChanged, this,
            [this](const QListWidgetItem* item) { TakePlayer(item); });
    connect(playersList_, &QListWidget::itemDoubleClicked, this,
            [this](const QListWidgetItem* item) {
                TakePlayer(item);
                accept();
            });
    ShowMode();
}

std::vector<std::string> CConnectDlg::LocalAddresses() {
    std::vector<std::string> addresses{kLoopback};
    for (const QHostAddress& a : QNetworkInterface::allAddresses())
        if (a.protocol() == QAbstractSocket::IPv4Protocol)
            addresses.push_back(a.toString().toStdString());
    std::sort(addresses.begin(), addresses.end());
    addresses.erase(std::unique(addresses.begin(), addresses.end()), addresses.end());
    return addresses;
}

void CConnectDlg::Prepare() {
    nicknameEdit_->setText(net::AnsiToQString(nickname));
    (mode ? serverButton_ : clientButton_)->setChecked(true);
    addressCombo_->clear();
    for (const std::string& a : LocalAddresses()) addressCombo_->addItem(QString::fromStdString(a));
    addressCombo_->setCurrentIndex(-1);
    addressCombo_->setEditText(net::AnsiToQString(address));
    portEdit_->setText(net::AnsiToQString(port));
    findMeBox_->setChecked(discoverable);
    ShowMode();
}

void CConnectDlg::ShowMode() {
    const bool calling = clientButton_->isChecked();
    findMeBox_->setVisible(!calling);
    playersGroup_->setVisible(calling);
    adjustSize();
    if (calling && isVisible())
        browser_->Start();
    else
        browser_->Stop();
}

void CConnectDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ShowMode();
}

void CConnectDlg::hideEvent(QHideEvent* event) {
    browser_->Stop();
    QDialog::hideEvent(event);
}

void CConnectDlg::ShowPlayers() {
    // Rebuilt as heard; the pick stays on its player and fills nothing again.
    const QListWidgetItem* current = playersList_->currentItem();
    const QVariant picked = current ? current->data(kInstanceRole) : QVariant();
    const QSignalBlocker quiet(playersList_);
    playersList_->clear();
    for (const sFoundPlayer& player : browser_->Players()) {
        const QString text = QStringLiteral("%1 (%2) at %3, port %4")
                                 .arg(net::AnsiToQString(player.nickname),
                                      QString::fromLatin1(kColorNames[player.color & 1]),
                                      QString::fromStdString(player.address))
                                 .arg(player.port);
        auto* item = new QListWidgetItem(text, playersList_);
        item->setData(kInstanceRole, player.instance);
        item->setData(kAddressRole, QString::fromStdString(player.address));
        item->setData(kPortRole, player.port);
        if (picked.isValid() && picked == item->data(kInstanceRole))
            playersList_->setCurrentItem(item);
    }
}

void CConnectDlg::TakePlayer(const QListWidgetItem* item) {
    if (!item) return;
    addressCombo_->setEditText(item->data(kAddressRole).toString());
    portEdit_->setText(QString::number(item->data(kPortRole).toUInt()));
}

void CConnectDlg::accept() {
    nickname = net::QStringToAnsi(nicknameEdit_->text());
    mode = serverButton_->isChecked() ? 1 : 0;
    discoverable = findMeBox_->isChecked();
    address = net::QStringToAnsi(addressCombo_->currentText().trimmed());
    port = net::QStringToAnsi(portEdit_->text());
    if (address.empty()) {
        platform::ShowMessageBox(kNoAddress);
        return;
    }
    QDialog::accept();
}
