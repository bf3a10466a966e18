#pragma once

namespace midi {

class CMidiKeyboard;

// The window handle of a keyboard control, as the host passes it.
using ControlHandle = void*;

// The live keyboard controls. Callers hold ComponentMutex().
void RegisterControl(ControlHandle handle, CMidiKeyboard* control);
// Drops every reference to the control: comparisons and playback.
void UnregisterControl(ControlHandle handle);
// Null when the handle is not a live keyboard control.
CMidiKeyboard* FindControl(ControlHandle handle);

} // namespace midi
