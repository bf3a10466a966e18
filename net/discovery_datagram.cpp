#include "net/discovery_datagram.h"

#include <algorithm>

namespace {

constexpr uint8_t kMagic[4] = {'T', 'V', 'L', 'N'};
enum : uint8_t { kQuery = 1, kAnswer = 2 };
constexpr size_t kHeaderBytes = sizeof(kMagic) + 2;
constexpr size_t kAnswerFixedBytes = kHeaderBytes + 4 + 4 + 2 + 1 + 1;

void AppendBigEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

uint32_t TakeBigEndian(std::span<const uint8_t>& in, int bytes) {
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) value = value << 8 | in[static_cast<size_t>(i)];
    in = in.subspan(static_cast<size_t>(bytes));
    return value;
}

std::vector<uint8_t> Header(uint8_t kind) {
    std::vector<uint8_t> out(std::begin(kMagic), std::end(kMagic));
    out.push_back(kDiscoveryVersion);
    out.push_back(kind);
    return out;
}

bool HasHeader(std::span<const uint8_t> datagram, uint8_t kind) {
    return datagram.size() >= kHeaderBytes &&
           std::equal(std::begin(kMagic), std::end(kMagic), datagram.begin()) &&
           datagram[4] == kDiscoveryVersion && datagram[5] == kind;
}

} // namespace

std::vector<uint8_t> EncodeDiscoveryQuery() {
    return Header(kQuery);
}

bool IsDiscoveryQuery(std::span<const uint8_t> datagram) {
    return datagram.size() == kHeaderBytes && HasHeader(datagram, kQuery);
}

std::vector<uint8_t> EncodeDiscoveryAnswer(const sDiscoveryAnswer& answer) {
    std::vector<uint8_t> out = Header(kAnswer);
    AppendBigEndian(out, answer.instance, 4);
    AppendBigEndian(out, answer.address, 4);
    AppendBigEndian(out, answer.port, 2);
    out.push_back(answer.color);
    const size_t length = std::min(answer.nickname.size(), kMaxDiscoveryNickname);
    out.push_back(static_cast<uint8_t>(length));
    out.insert(out.end(), answer.nickname.begin(),
               answer.nickname.begin() + static_cast<std::ptrdiff_t>(length));
    return out;
}

std::optional<sDiscoveryAnswer> DecodeDiscoveryAnswer(std::span<const uint8_t> datagram) {
    if (datagram.size() < kAnswerFixedBytes || !HasHeader(datagram, kAnswer)) return std::nullopt;
    std::span<const uint8_t> in = datagram.subspan(kHeaderBytes);
    sDiscoveryAnswer answer;
    answer.instance = TakeBigEndian(in, 4);
    answer.address = TakeBigEndian(in, 4);
    answer.port = static_cast<uint16_t>(TakeBigEndian(in, 2));
    answer.color = static_cast<uint8_t>(TakeBigEndian(in, 1));
    const size_t length = TakeBigEndian(in, 1);
    if (answer.port == 0 || answer.color > 1 || length > kMaxDiscoveryNickname ||
        in.size() != length)
        return std::nullopt;
    answer.nickname.assign(in.begin(), in.end());
    return answer;
}
