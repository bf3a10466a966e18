#pragma once

#include <cstdint>

namespace platform {

// Each thread may own a mailbox that other threads post quit requests to.
// As with a thread's message queue on Windows, the mailbox comes into being
// at the thread's first PeekQuitMessage; posts before that fail, so a poster
// repeats its request until it is taken.
using ThreadId = uint64_t;

// A non-zero number, unique to the calling thread for the life of the process.
ThreadId CurrentThreadId();

// Returns false when the thread has no mailbox (not yet, or no longer).
bool PostQuitMessage(ThreadId thread);

// Takes one message off the calling thread's mailbox; true when it was a quit.
bool PeekQuitMessage();

} // namespace platform
