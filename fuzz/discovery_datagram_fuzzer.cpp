// The discovery datagrams, as any program on the network may send them. A
// datagram taken for a query or an answer is exactly the one our own writer
// makes, so nothing else is ever mistaken for ours.
#include "fuzz/fuzz_support.h"
#include "net/discovery_datagram.h"

#include <algorithm>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> datagram(data, size);
    const bool query = IsDiscoveryQuery(datagram);
    if (query && !std::ranges::equal(datagram, EncodeDiscoveryQuery()))
        fuzz::Fail("a query that is not the one we write");
    const auto answer = DecodeDiscoveryAnswer(datagram);
    if (!answer) return 0;
    if (query) fuzz::Fail("a datagram both a query and an answer");
    if (size > kMaxDiscoveryDatagram) fuzz::Fail("an oversized answer was read");
    if (!std::ranges::equal(datagram, EncodeDiscoveryAnswer(*answer)))
        fuzz::Fail("an answer does not survive its own bytes");
    return 0;
}
