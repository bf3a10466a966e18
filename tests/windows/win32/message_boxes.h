#pragma once

#include <string>

namespace dll_test {

// From now on, every message box of the calling thread is answered with OK
// by a timer that its modal loop dispatches, so that no test waits for a
// user; the boxes are recorded. Dialogs with the caption `otherDialog` are
// left alone.
void ConfirmMessageBoxes(const std::string& otherDialog = {});

// "caption: text" lines of the boxes answered since the last call.
std::string TakeMessageBoxes();

} // namespace dll_test
