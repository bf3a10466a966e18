#include "app/shell/shell_images.h"

#include <QCoreApplication>
#include <QFileInfo>

#ifndef TAVLION_RESOURCE_DIR
#define TAVLION_RESOURCE_DIR ""
#endif

namespace {

QStringList SearchRoots() {
    QStringList roots{QStringLiteral(":/resources")};
    if (QCoreApplication::instance())
        roots << QCoreApplication::applicationDirPath() + QStringLiteral("/resources");
    if (*TAVLION_RESOURCE_DIR) roots << QStringLiteral(TAVLION_RESOURCE_DIR);
    return roots;
}

} // namespace

QString FindShellFile(const QString& relativeName) {
    for (const QString& root : SearchRoots()) {
        const QString path = root + QLatin1Char('/') + relativeName;
        if (QFileInfo::exists(path)) return path;
    }
    return {};
}

QImage LoadShellImage(const QString& relativeName) {
    const QString path = FindShellFile(relativeName);
    return path.isEmpty() ? QImage() : QImage(path);
}

QImage WithBlueTransparent(QImage image) {
    if (image.isNull()) return image;
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0x00FFFFFFu) == 0x000000FFu) line[x] = 0;
    }
    return image;
}
