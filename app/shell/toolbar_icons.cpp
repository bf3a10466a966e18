#include "app/shell/toolbar_icons.h"

#include "app/shell/shell_images.h"

QIcon ToolbarIcon(const char* name) {
    if (!name) return {};
    const QString path = FindShellFile(QStringLiteral("toolbar/%1.png").arg(QLatin1String(name)));
    return path.isEmpty() ? QIcon() : QIcon(path);
}
