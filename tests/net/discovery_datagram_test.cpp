#include "net/answer_budget.h"
#include "net/discovery_datagram.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

const sDiscoveryAnswer kAnswer{0x01020304, 0x7F000001, 5555, 1, "Ann\xE9"};

Bytes With(Bytes bytes, size_t at, uint8_t value) {
    bytes[at] = value;
    return bytes;
}

} // namespace

TEST(DiscoveryDatagram, QueryIsMagicVersionAndKind) {
    const Bytes query = EncodeDiscoveryQuery();
    EXPECT_EQ(query, (Bytes{'T', 'V', 'L', 'N', 1, 1}));
    EXPECT_TRUE(IsDiscoveryQuery(query));

    const struct {
        const char* what;
        Bytes bytes;
    } refused[] = {
        {"empty", {}},
        {"cut", Bytes(query.begin(), query.end() - 1)},
        {"a byte more",
         [&] {
             Bytes longer = query;
             longer.push_back(0);
             return longer;
         }()},
        {"other magic", With(query, 0, 't')},
        {"other version", With(query, 4, 2)},
        {"an answer's kind", With(query, 5, 2)},
        {"oversized", Bytes(kMaxDiscoveryDatagram + 1, 'T')},
    };
    for (const auto& c : refused) EXPECT_FALSE(IsDiscoveryQuery(c.bytes)) << c.what;
}

TEST(DiscoveryDatagram, AnswerLayoutAndRoundTrip) {
    const Bytes bytes = EncodeDiscoveryAnswer(kAnswer);
    const Bytes expected = {'T', 'V', 'L', 'N',  1,    2, 1, 2,   3,   4,   0x7F,
                            0,   0,   1,   0x15, 0xB3, 1, 4, 'A', 'n', 'n', 0xE9};
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(DecodeDiscoveryAnswer(bytes), kAnswer);
    EXPECT_FALSE(IsDiscoveryQuery(bytes));

    // An empty nickname is an answer too; a long one is cut, not refused.
    sDiscoveryAnswer unnamed = kAnswer;
    unnamed.nickname.clear();
    EXPECT_EQ(DecodeDiscoveryAnswer(EncodeDiscoveryAnswer(unnamed)), unnamed);
    sDiscoveryAnswer wordy = kAnswer;
    wordy.nickname = std::string(300, 'w');
    const auto cut = DecodeDiscoveryAnswer(EncodeDiscoveryAnswer(wordy));
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->nickname, std::string(kMaxDiscoveryNickname, 'w'));
}

TEST(DiscoveryDatagram, MalformedAnswersAreNoAnswers) {
    const Bytes good = EncodeDiscoveryAnswer(kAnswer);
    Bytes longer = good;
    longer.push_back('!');
    Bytes overlongName = good;
    overlongName[17] = kMaxDiscoveryNickname + 1;
    overlongName.resize(18 + kMaxDiscoveryNickname + 1, 'x');
    const struct {
        const char* what;
        Bytes bytes;
    } refused[] = {
        {"empty", {}},
        {"a query", EncodeDiscoveryQuery()},
        {"header only", Bytes(good.begin(), good.begin() + 6)},
        {"cut in the name", Bytes(good.begin(), good.end() - 1)},
        {"a byte left over", longer},
        {"other magic", With(good, 3, 'M')},
        {"other version", With(good, 4, 0)},
        {"other kind", With(good, 5, 3)},
        {"port 0", With(With(good, 14, 0), 15, 0)},
        {"colour 2", With(good, 16, 2)},
        {"name longer than a nickname", overlongName},
    };
    for (const auto& c : refused) EXPECT_FALSE(DecodeDiscoveryAnswer(c.bytes)) << c.what;
}

TEST(AnswerBudget, AFewAnswersASecondAndNoMore) {
    CAnswerBudget budget;
    int given = 0;
    for (uint64_t ms = 1000; ms < 1010; ++ms) given += budget.Take(ms);
    EXPECT_EQ(given, int(CAnswerBudget::kPerSecond));
    // A second after the first answer one more may go, and so on.
    EXPECT_FALSE(budget.Take(1999));
    EXPECT_TRUE(budget.Take(2000));
    EXPECT_FALSE(budget.Take(2000));
    // A steady flood over ten seconds gets four a second.
    given = 0;
    for (uint64_t ms = 3000; ms < 13000; ms += 10) given += budget.Take(ms);
    EXPECT_EQ(given, 40);
}
