#pragma once

#include <cstdint>

namespace platform {

// Milliseconds since an arbitrary start, wrapping like a 32-bit tick count.
uint32_t TickCount();

} // namespace platform
