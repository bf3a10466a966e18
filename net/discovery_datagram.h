#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Finding an opponent on the local network without typing an address: a
// player who wants to call sends a query datagram; every side that waits for
// an opponent and lets itself be found answers with who waits where. Both
// datagrams start with a magic word and a version, so that nothing else
// sent to the port is mistaken for ours. Multi-byte numbers are big-endian.
//
//   query:  "TVLN" version kind=1                                (6 bytes)
//   answer: "TVLN" version kind=2 instance(4) address(4) port(2)
//           colour(1) nickname length(1) nickname               (<= 82 bytes)

inline constexpr uint8_t kDiscoveryVersion = 1;
// Longer datagrams are no datagrams of ours and are dropped unread.
inline constexpr size_t kMaxDiscoveryDatagram = 512;
// The longest nickname an answer carries, as the game's greeting does.
inline constexpr size_t kMaxDiscoveryNickname = 64;

// Who waits for an opponent, as an answer tells it.
struct sDiscoveryAnswer {
    // Tells the answers of one waiting program from another's when the same
    // one is heard on several ways (loopback and the local network).
    uint32_t instance = 0;
    // IPv4 address to call, host order; 0: the address the answer came from.
    uint32_t address = 0;
    uint16_t port = 0;
    uint8_t color = 0;    // the colour the waiting side plays: 0 White, 1 Black
    std::string nickname; // Windows-1252

    bool operator==(const sDiscoveryAnswer&) const = default;
};

std::vector<uint8_t> EncodeDiscoveryQuery();
// True only for a query of this version, exactly as EncodeDiscoveryQuery
// writes it.
bool IsDiscoveryQuery(std::span<const uint8_t> datagram);

// The nickname is cut to kMaxDiscoveryNickname bytes.
std::vector<uint8_t> EncodeDiscoveryAnswer(const sDiscoveryAnswer& answer);
// Nothing for anything but a well-formed answer of this version: wrong
// magic, version or kind, a colour other than 0 or 1, port 0, an overlong
// nickname, or bytes missing or left over.
std::optional<sDiscoveryAnswer> DecodeDiscoveryAnswer(std::span<const uint8_t> datagram);
