#pragma once

#include <QImage>
#include <QString>

// Pictures of the window (toolbar, pieces of the chooser, splash), looked
// up by name below "resources/": first among the ones built into the
// program, then beside the program and in the source tree. Null when absent.
QImage LoadShellImage(const QString& relativeName);

// The path the picture is found at, or empty.
QString FindShellFile(const QString& relativeName);

// The picture with pure blue (0, 0, 255) made transparent.
QImage WithBlueTransparent(QImage image);
