#include "app/shell/splash_dialog.h"

#include "app/shell/shell_images.h"

#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace {

constexpr QSize kPictureSize(520, 312);

QImage SplashPicture() {
    for (const char* name : {"splash.png", "splash.bmp", "splash.jpg"}) {
        QImage image = LoadShellImage(QLatin1String(name));
        if (!image.isNull()) return image;
    }
    return {};
}

} // namespace

CSplashDlg::CSplashDlg(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(SplashPicture()) {
    setObjectName(QStringLiteral("splash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kPictureSize);
}

void CSplashDlg::ShowCentred() {
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    QRect area = owner && owner->isVisible() ? owner->frameGeometry() : QRect();
    if (area.isEmpty() && screen()) area = screen()->availableGeometry();
    move(area.center() - rect().center());
    show();
    raise();
}

void CSplashDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (picture_.isNull()) {
        QLinearGradient sky(0, 0, 0, height());
        sky.setColorAt(0, QColor(26, 26, 128));
        sky.setColorAt(1, QColor(10, 10, 40));
        painter.fillRect(rect(), sky);
        painter.setPen(Qt::white);
        QFont title = font();
        title.setPixelSize(48);
        title.setBold(true);
        painter.setFont(title);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Tavlion"));
        return;
    }
    painter.drawImage(rect(), picture_);
}
