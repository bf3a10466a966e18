#include "net/packet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

sRuleState SampleRights() {
    sRuleState rights{};
    for (int i = 0; i < 14; ++i) rights[i] = 0x11223300 + i;
    rights[12] = -1; // promotion marker
    rights[13] = 5;  // promoted to a queen
    return rights;
}

Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

Bytes Word(uint32_t value) {
    return {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)};
}

CPkg Parsed(const Bytes& bytes, PkgStatus expected = PkgStatus::Complete) {
    CPkg pkg;
    const PkgParse parse = ParsePkg(bytes, pkg);
    EXPECT_EQ(parse.status, expected);
    if (expected == PkgStatus::Complete) {
        EXPECT_EQ(parse.size, bytes.size());
    }
    return pkg;
}

TEST(CPkg, MovePacketIsSixtyTwoBytesEndingWithWordsThirteenThenTwelve) {
    const Bytes bytes = CPkg::Move(4, 1, 4, -3, SampleRights()).ToBytes();
    Bytes expected = {0x00, PKG_MOVE, 4, 1, 4, 0xFD};
    for (int i = 0; i < 12; ++i) expected = Cat({expected, Word(0x11223300 + i)});
    expected = Cat({expected, Word(5), Word(0xFFFFFFFF)});
    EXPECT_EQ(bytes.size(), 62u);
    EXPECT_EQ(bytes, expected);

    const CPkg back = Parsed(bytes);
    EXPECT_EQ(back.kind, PKG_MOVE);
    EXPECT_EQ(back.toRow, -3);
    EXPECT_EQ(back.rights[12], -1);
    EXPECT_EQ(back.rights[13], 5);
    EXPECT_EQ(back.rights[7], 0x11223307);
}

TEST(CPkg, TextLengthPrefixes) {
    const struct {
        size_t length;
        Bytes prefix;
    } cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {0xFFFD, {0xFF, 0xFD, 0xFF}},
        {0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
    };
    for (const auto& c : cases) {
        const CPkg pkg = CPkg::Text(PKG_CHAT, std::string(c.length, 'x'));
        const Bytes bytes = pkg.ToBytes();
        ASSERT_EQ(bytes.size(), c.prefix.size() + c.length + kPkgFixedBytes) << c.length;
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + c.prefix.size()), c.prefix) << c.length;
        EXPECT_EQ(bytes[c.prefix.size() + c.length], PKG_CHAT);
        EXPECT_EQ(Parsed(bytes).text, pkg.text) << c.length;
    }
}

TEST(CPkg, RoundTripKeepsEveryField) {
    CPkg pkg = CPkg::Text(PKG_HELLO, "Anna : Connected! Start to play...\xE9");
    pkg.fromColumn = -128;
    pkg.toRow = 127;
    pkg.rights = SampleRights();
    pkg.kind = 200; // unknown kinds are read like any other
    const CPkg back = Parsed(pkg.ToBytes());
    EXPECT_EQ(back.ToBytes(), pkg.ToBytes());
    EXPECT_EQ(back.fromColumn, -128);
    EXPECT_EQ(back.kind, 200);
}

TEST(CPkg, ReadsWideText) {
    const Bytes fixed(kPkgFixedBytes, 0);
    // "Hi", the euro sign, a character beyond the page, and a surrogate pair.
    const Bytes wide = {0xFF, 0xFE, 0xFF, 0x06, 'H',  0,    'i',  0,
                        0xAC, 0x20, 0x16, 0x04, 0x3D, 0xD8, 0x00, 0xDE};
    Bytes packet = Cat({wide, fixed});
    packet[wide.size()] = PKG_CHAT;
    EXPECT_EQ(Parsed(packet).text, "Hi\x80??");
    EXPECT_EQ(Parsed(Cat({{0xFF, 0xFE, 0xFF, 0x00}, fixed})).text, "");

    const Bytes longWide = Cat({{0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01}, Bytes(600, 0), fixed});
    EXPECT_EQ(Parsed(longWide).text, std::string(300, '\0'));
}

TEST(CPkg, RefusesOversizedTextBeforeItArrives) {
    const Bytes refused[] = {
        {0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x01, 0x00},
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F},
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x80, 0x00, 0x00},
    };
    for (const Bytes& bytes : refused) Parsed(bytes, PkgStatus::Bad);
    Parsed({0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00}, PkgStatus::NeedMore); // 64 KiB is allowed
}

TEST(CPkg, CutPacketNeedsMore) {
    const Bytes bytes = CPkg::Text(PKG_CHAT, std::string(300, 'c')).ToBytes();
    for (size_t cut = 0; cut < bytes.size(); ++cut)
        Parsed(Bytes(bytes.begin(), bytes.begin() + cut), PkgStatus::NeedMore);
}

} // namespace
