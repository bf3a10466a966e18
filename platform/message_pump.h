#pragma once

#include <functional>

namespace platform {

// Processes the calling thread's pending window events and tells whether it
// dispatched any. Long-running calls made on the user-interface thread (the
// engine's search) call it so that the window keeps painting.
using MessagePump = std::function<bool()>;

// Installs the host's pump and returns the one it replaces. Without a pump,
// Windows dispatches one message of the thread's queue; elsewhere
// PumpMessages does nothing and reports that nothing was dispatched.
MessagePump SetMessagePump(MessagePump pump);

bool PumpMessages();

} // namespace platform
