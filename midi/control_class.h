#pragma once

class QWidget;

#define TONMARK_CXX_API __attribute__((visibility("default")))

namespace tonmark {

using ControlFactory = QWidget* (*)(QWidget* parent);

// Control classes by name, as a dialog names its custom controls. The
// component registers "MIDI_KB" when it is loaded.
TONMARK_CXX_API void RegisterControlClass(const char* className, ControlFactory factory);

// A new control of the class, or null when no class has that name.
TONMARK_CXX_API QWidget* CreateControl(const char* className, QWidget* parent);

} // namespace tonmark
