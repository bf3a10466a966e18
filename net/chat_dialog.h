#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Chess Chat": the always-on-top window with the conversation so far and a
// line to type in. Closing it only hides it; its log is never cleared.
class CChatDlg : public QDialog {
    Q_OBJECT
public:
    // `send` delivers a typed message to the opponent and tells whether it
    // went out (it adds the line to the log itself).
    using SendFn = std::function<bool(const std::string& message)>;

    CChatDlg(QWidget* parent, SendFn send);

    // Adds "\r\n" and `line` (Windows-1252) to the log and scrolls to its end.
    void AppendLine(const std::string& line);
    // The same, and brings the window up where it was.
    void ShowLine(const std::string& line);
    void ShowCentred();

    const std::string& Log() const { return log_; }
    QPlainTextEdit* LogView() const { return logView_; }
    QLineEdit* MessageEdit() const { return messageEdit_; }
    QPushButton* SendButton() const { return sendButton_; }

public slots:
    // "&Send!": an empty message sends nothing.
    void OnSend();

protected:
    // Enter presses "&Send!" and Escape would close a dialog: neither may
    // end this window.
    void reject() override { hide(); }

private:
    SendFn send_;
    std::string log_;
    QPlainTextEdit* logView_;
    QLineEdit* messageEdit_;
    QPushButton* sendButton_;
};
