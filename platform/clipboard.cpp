#include "platform/clipboard.h"

#include "platform/message_box.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

namespace {

QClipboard* Clipboard() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return nullptr;
    return QGuiApplication::clipboard();
}

} // namespace

bool CopyToClipboard(const std::string& text) {
    QClipboard* clipboard = Clipboard();
    if (!clipboard) {
        ShowMessageBox("Cannot open the Clipboard");
        return false;
    }
    const QString wanted = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    clipboard->setText(wanted);
    if (clipboard->text() != wanted) {
        ShowMessageBox("Unable to set Clipboard data");
        return false;
    }
    return true;
}

std::string ClipboardText() {
    QClipboard* clipboard = Clipboard();
    return clipboard ? clipboard->text().toLatin1().toStdString() : std::string();
}

} // namespace platform
