#pragma once

#include "engine/engine_api.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Packet kinds.
enum PkgKind : uint8_t {
    PKG_CHAT = 1,    // text: nickname, " : ", message
    PKG_MOVE = 2,    // the move just made and the mover's rights block
    PKG_HELLO = 3,   // text: nickname and the greeting
    PKG_COLOR = 4,   // text: "WHITE" or "BLACK", the listening side's colour
    PKG_NEWGAME = 5, // no text
    // text: the sender's game (net/game_record.h), sent only to take up a
    // lost connection; a reader that knows only the kinds above ignores it.
    PKG_GAME = 6,
    // Kinds an earlier reader reads and ignores.
    PKG_RESIGN = 7, // no text: the sender resigns
    PKG_DRAW = 8,   // text: "OFFER", "ACCEPT", "DECLINE", "AGREED" or "CLAIM"
};

// The one record two copies of the game exchange. The move bytes and the
// rights block mean something only in a PKG_MOVE packet.
class CPkg {
public:
    static CPkg Move(int fromColumn, int fromRow, int toColumn, int toRow,
                     const sRuleState& rights);
    static CPkg Text(PkgKind kind, std::string text);

    // Appends the packet's bytes as they travel on the stream.
    void Serialize(std::vector<uint8_t>& out) const;
    std::vector<uint8_t> ToBytes() const;

    std::string text; // bytes of the Windows-1252 page
    int8_t fromColumn = 0;
    int8_t fromRow = 0;
    int8_t toColumn = 0;
    int8_t toRow = 0;
    sRuleState rights{};
    uint8_t kind = 0;
};

// Longest text a received packet may announce, in bytes on the stream.
inline constexpr size_t kMaxPkgTextBytes = 64 * 1024;

// Longest nickname and chat message this program sends. A greeting or a chat
// line built from them stays far below what any copy reads.
inline constexpr size_t kMaxNicknameBytes = 64;
inline constexpr size_t kMaxChatMessageBytes = 4096;
static_assert(kMaxNicknameBytes + kMaxChatMessageBytes + 64 < kMaxPkgTextBytes);

// Size of a packet without its text and length prefix.
inline constexpr size_t kPkgFixedBytes = 1 + 4 + sizeof(sRuleState);

enum class PkgStatus {
    NeedMore, // the bytes are the start of a packet; wait for more
    Complete, // one packet was read
    Bad,      // the bytes can be no packet of ours: drop the connection
};

struct PkgParse {
    PkgStatus status;
    size_t size; // bytes the packet took, when Complete
};

// Reads the packet at the start of `bytes` into `pkg` (changed only when
// Complete). Packets follow each other directly, so the next one starts
// `size` bytes further on.
PkgParse ParsePkg(std::span<const uint8_t> bytes, CPkg& pkg);
