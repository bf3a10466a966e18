#include "app/shell/qt_message_box.h"

#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QString>

void InstallQtMessageBoxHandler(QWidget* owner) {
    QPointer<QWidget> guardedOwner(owner);
    platform::SetMessageBoxHandler(
        [guardedOwner](const std::string& text, const std::string& caption, int buttons) {
            QWidget* parent = guardedOwner ? guardedOwner.data() : QApplication::activeWindow();
            const QString title = QString::fromStdString(caption);
            const QString body = QString::fromLocal8Bit(text.c_str());
            if (buttons == platform::kYesNo) {
                const auto answer =
                    QMessageBox::question(parent, title, body, QMessageBox::Yes | QMessageBox::No);
                return answer == QMessageBox::Yes ? int(platform::kIdYes) : int(platform::kIdNo);
            }
            QMessageBox::information(parent, title, body, QMessageBox::Ok);
            return int(platform::kIdOk);
        });
}
