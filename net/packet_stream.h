#pragma once

#include "net/packet.h"

#include <cstddef>
#include <vector>

// Collects the bytes of a connection as they arrive and hands out the
// packets in them one by one.
class CPkgStream {
public:
    void Append(const void* data, size_t size);

    // Complete: `pkg` holds the next packet, which is consumed. NeedMore: no
    // whole packet yet. Bad: the stream is broken for good.
    PkgStatus Next(CPkg& pkg);

    // Bytes received but not yet handed out.
    size_t Pending() const { return bytes_.size() - start_; }

private:
    std::vector<uint8_t> bytes_;
    size_t start_ = 0;
    bool bad_ = false;
};
