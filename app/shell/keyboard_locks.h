#pragma once

struct sKeyboardLocks {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// The lock keys' lights, for the status bar. All off where the window
// system does not tell.
sKeyboardLocks ReadKeyboardLocks();
