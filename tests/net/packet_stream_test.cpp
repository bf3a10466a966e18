#include "net/packet_stream.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<CPkg> SamplePackets() {
    sRuleState rights{};
    rights[13] = 2;
    return {CPkg::Text(PKG_CHAT, std::string(300, 'a')), CPkg::Move(6, 0, 5, 2, rights),
            CPkg::Text(PKG_COLOR, "WHITE"), CPkg::Text(PKG_NEWGAME, "")};
}

std::vector<uint8_t> Wire(const std::vector<CPkg>& packets) {
    std::vector<uint8_t> bytes;
    for (const CPkg& pkg : packets) pkg.Serialize(bytes);
    return bytes;
}

TEST(CPkgStream, ReadsBackToBackPacketsWhateverTheChunks) {
    const std::vector<CPkg> sent = SamplePackets();
    const std::vector<uint8_t> bytes = Wire(sent);
    for (size_t chunk = 1; chunk <= bytes.size(); ++chunk) {
        CPkgStream stream;
        std::vector<CPkg> received;
        for (size_t at = 0; at < bytes.size(); at += chunk) {
            stream.Append(bytes.data() + at, std::min(chunk, bytes.size() - at));
            for (CPkg pkg; stream.Next(pkg) == PkgStatus::Complete;) received.push_back(pkg);
        }
        ASSERT_EQ(received.size(), sent.size()) << "chunks of " << chunk;
        EXPECT_EQ(Wire(received), bytes) << "chunks of " << chunk;
        EXPECT_EQ(stream.Pending(), 0u);
    }
}

TEST(CPkgStream, StaysBadAfterABadPacket) {
    CPkgStream stream;
    const std::vector<uint8_t> good = CPkg::Text(PKG_CHAT, "hi").ToBytes();
    const uint8_t oversized[] = {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x10, 0x00};
    stream.Append(good.data(), good.size());
    stream.Append(oversized, sizeof oversized);
    CPkg pkg;
    EXPECT_EQ(stream.Next(pkg), PkgStatus::Complete);
    EXPECT_EQ(pkg.text, "hi");
    EXPECT_EQ(stream.Next(pkg), PkgStatus::Bad);
    stream.Append(good.data(), good.size());
    EXPECT_EQ(stream.Next(pkg), PkgStatus::Bad);
    EXPECT_EQ(stream.Pending(), 0u);
}

} // namespace
