#pragma once

#include <QIcon>

// The picture of a toolbar button (resources/toolbar/<name>.png, with its
// @2x companion for dense screens). Null when it is not found: the button
// then shows its text.
QIcon ToolbarIcon(const char* name);
