#pragma once

class QWidget;

// Routes platform::ShowMessageBox to modal Qt message boxes owned by
// `owner` (the main window), falling back to the active window.
void InstallQtMessageBoxHandler(QWidget* owner);
