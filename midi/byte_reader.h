#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace midi {

// Reads big-endian fields from a byte range; a read that does not fit
// yields nothing and consumes nothing.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool AtEnd() const { return position_ >= bytes_.size(); }
    std::size_t Remaining() const { return bytes_.size() - position_; }

    std::optional<std::uint8_t> Byte() {
        if (AtEnd()) return std::nullopt;
        return bytes_[position_++];
    }
    std::optional<std::uint8_t> Peek() const {
        if (AtEnd()) return std::nullopt;
        return bytes_[position_];
    }

    // Big-endian unsigned integer of `width` bytes (at most 4).
    std::optional<std::uint32_t> BigEndian(std::size_t width) {
        if (Remaining() < width) return std::nullopt;
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < width; ++i) value = value << 8 | bytes_[position_++];
        return value;
    }

    // Seven bits per byte, most significant first; the high bit marks a
    // continuation. At most four bytes are read.
    std::optional<std::uint32_t> VariableLength() {
        const std::size_t start = position_;
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const auto b = Byte();
            if (!b) {
                position_ = start;
                return std::nullopt;
            }
            value = value << 7 | (*b & 0x7F);
            if (!(*b & 0x80)) break;
        }
        return value;
    }

    std::optional<std::span<const std::uint8_t>> Bytes(std::size_t count) {
        if (Remaining() < count) return std::nullopt;
        auto taken = bytes_.subspan(position_, count);
        position_ += count;
        return taken;
    }

    bool Skip(std::size_t count) { return Bytes(count).has_value(); }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

} // namespace midi
