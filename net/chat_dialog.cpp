#include "net/chat_dialog.h"

#include "net/packet.h"
#include "net/qt_text.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

CChatDlg::CChatDlg(QWidget* parent, SendFn send)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), send_(std::move(send)) {
    setWindowTitle(QStringLiteral("Chess Chat"));
    setModal(false);

    logView_ = new QPlainTextEdit;
    logView_->setReadOnly(true);
    logView_->setLineWrapMode(QPlainTextEdit::NoWrap);
    logView_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    logView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    messageEdit_ = new QLineEdit;
    messageEdit_->setMaxLength(int(kMaxChatMessageBytes));
    sendButton_ = new QPushButton(QStringLiteral("&Send!"));
    sendButton_->setDefault(true);
    connect(sendButton_, &QPushButton::clicked, this, &CChatDlg::OnSend);

    auto* line = new QHBoxLayout;
    line->addWidget(messageEdit_, 1);
    line->addWidget(sendButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(logView_, 1);
    layout->addLayout(line);
    resize(280, 300);
}

void CChatDlg::AppendLine(const std::string& line) {
    log_ += "\r\n";
    log_ += line;
    QTextCursor end = logView_->textCursor();
    end.movePosition(QTextCursor::End);
    // An empty document already is its first, empty line.
    end.insertText((log_.size() == line.size() + 2 ? QString() : QStringLiteral("\n")) +
                   net::AnsiToQString(line));
    logView_->verticalScrollBar()->setValue(logView_->verticalScrollBar()->maximum());
}

void CChatDlg::ShowLine(const std::string& line) {
    AppendLine(line);
    show();
    logView_->verticalScrollBar()->setValue(logView_->verticalScrollBar()->maximum());
}

void CChatDlg::ShowCentred() {
    show();
    if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    raise();
    activateWindow();
}

void CChatDlg::OnSend() {
    const std::string message = net::QStringToAnsi(messageEdit_->text());
    if (message.empty() || !send_ || !send_(message)) return;
    messageEdit_->clear();
}
