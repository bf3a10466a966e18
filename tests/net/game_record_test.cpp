#include "net/game_record.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr const char* kStart = "RNBQKBNRPPPPPPPP................................pppppppprnbqkbnr";

sPlayedMove M(const char* text) {
    return {int8_t(text[0] - 'a'), int8_t(text[1] - '1'), int8_t(text[2] - 'a'),
            int8_t(text[3] - '1')};
}

sGameRecord Game(std::initializer_list<const char*> moves, std::string position = kStart) {
    sGameRecord record{std::move(position), {}};
    for (const char* move : moves) record.moves.push_back(M(move));
    return record;
}

const char* Name(GameMatch match) {
    switch (match) {
    case GameMatch::Same:
        return "Same";
    case GameMatch::MineAhead:
        return "MineAhead";
    case GameMatch::TheirsAhead:
        return "TheirsAhead";
    case GameMatch::Differ:
        return "Differ";
    }
    return "?";
}

} // namespace

TEST(GameRecord, TextRoundTrip) {
    const sGameRecord game = Game({"e2e4", "e7e5", "g1f3"});
    const std::string text = EncodeGameRecord(game);
    EXPECT_EQ(text, std::string("1 ") + kStart + " e2e4 e7e5 g1f3");
    EXPECT_EQ(DecodeGameRecord(text), game);
    EXPECT_EQ(DecodeGameRecord(EncodeGameRecord(Game({}))), Game({}));
}

TEST(GameRecord, AnythingButARecordIsRefused) {
    const std::string start = kStart;
    const char* refused[] = {
        "",
        "1",
        "1 ",
        "2 RNBQKBNRPPPPPPPP................................pppppppprnbqkbnr",
        "1 RNBQKBNRPPPPPPPP................................pppppppprnbqkbn",
        "1 XNBQKBNRPPPPPPPP................................pppppppprnbqkbnr",
        "1 RNBQKBNRPPPPPPPP................................pppppppprnbqkbnr ",
        "1 RNBQKBNRPPPPPPPP................................pppppppprnbqkbnr  e2e4",
        "1 RNBQKBNRPPPPPPPP................................pppppppprnbqkbnr e2e9",
        "1 RNBQKBNRPPPPPPPP................................pppppppprnbqkbnr i2e4",
        "1 RNBQKBNRPPPPPPPP................................pppppppprnbqkbnr e2e4q",
        "1 RNBQKBNRPPPPPPPP................................pppppppprnbqkbnr E2E4",
    };
    for (const char* text : refused) EXPECT_FALSE(DecodeGameRecord(text)) << '"' << text << '"';

    std::string longest = "1 " + start;
    for (size_t i = 0; i < kMaxRecordMoves; ++i) longest += " a2a3";
    EXPECT_TRUE(DecodeGameRecord(longest));
    EXPECT_FALSE(DecodeGameRecord(longest + " a3a2"));
}

// The text of an overlong game says so and stays under a packet's 64 KiB.
TEST(GameRecord, AnOverlongGameIsCutJustPastTheLimit) {
    sGameRecord huge = Game({});
    huge.moves.assign(3 * kMaxRecordMoves, M("a2a3"));
    const std::string text = EncodeGameRecord(huge);
    EXPECT_LT(text.size(), 64u * 1024u);
    EXPECT_FALSE(DecodeGameRecord(text));
    EXPECT_EQ(CompareGames(huge, huge, 0), GameMatch::Differ);
}

TEST(GameRecord, CompareGames) {
    const std::string afterE4 = "RNBQKBNRPPPP.PPP............P...................pppppppprnbqkbnr";
    const struct {
        const char* what;
        sGameRecord mine, theirs;
        int myColor;
        GameMatch expected;
    } cases[] = {
        {"both new", Game({}), Game({}), 0, GameMatch::Same},
        {"the same moves", Game({"e2e4", "e7e5"}), Game({"e2e4", "e7e5"}), 1, GameMatch::Same},
        {"White's move not received", Game({"e2e4"}, afterE4), Game({}), 0, GameMatch::MineAhead},
        {"White's move not received, seen by Black", Game({}), Game({"e2e4"}, afterE4), 1,
         GameMatch::TheirsAhead},
        {"Black's move not received", Game({"e2e4", "e7e5"}), Game({"e2e4"}), 1,
         GameMatch::MineAhead},
        {"Black's move not received, seen by White", Game({"e2e4"}), Game({"e2e4", "e7e5"}), 0,
         GameMatch::TheirsAhead},
        {"one more, but by the other side", Game({"e2e4"}), Game({}), 1, GameMatch::Differ},
        {"the peer one more, but by this side", Game({}), Game({"e2e4"}), 0, GameMatch::Differ},
        {"two more", Game({"e2e4", "e7e5"}), Game({}), 1, GameMatch::Differ},
        {"another move", Game({"e2e4"}), Game({"d2d4"}), 1, GameMatch::Differ},
        {"one more after another move", Game({"e2e4", "e7e5"}), Game({"d2d4"}), 1,
         GameMatch::Differ},
        {"same moves, other position", Game({"e2e4"}, afterE4), Game({"e2e4"}), 0,
         GameMatch::Differ},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(Name(CompareGames(c.mine, c.theirs, c.myColor)), Name(c.expected)) << c.what;
}
