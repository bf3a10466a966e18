#include "tavlion_process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

constexpr const char* kStart = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR";

// Command ids of the window.
constexpr int kNewGame = 57600, kTwoPlayers = 32773, kCloseConnection = 32801, kConnect = 32798;

std::string Command(int id) {
    return "command " + std::to_string(id);
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The programs need a display (xvfb-run gives one).
bool HaveDisplay() {
    const char* display = std::getenv("DISPLAY");
    return display && *display;
}

} // namespace

// Two copies of the program on one machine, the server playing White.
class TwoPrograms : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HaveDisplay()) GTEST_SKIP() << "no display; run under xvfb-run -a";
        server = std::make_unique<TavlionProcess>("server");
        client = std::make_unique<TavlionProcess>("client");
        ASSERT_TRUE(server->Start()) << server->Failure();
        ASSERT_TRUE(client->Start()) << client->Failure();
        ASSERT_TRUE(server->WaitReady()) << server->Failure();
        ASSERT_TRUE(client->WaitReady()) << client->Failure();
    }

    void TearDown() override {
        for (TavlionProcess* side : {client.get(), server.get()}) {
            if (side && side->Running()) {
                EXPECT_TRUE(side->Quit()) << side->Failure() << side->Output();
            }
        }
    }

    // Both in two-player mode; the server listens on a port of the system's
    // choice, the client calls it; returns once the colours are told.
    void ConnectBoth(const std::string& serverName = "Alice",
                     const std::string& clientName = "Bob") {
        ASSERT_EQ(server->Request(Command(kTwoPlayers)), "ok");
        ASSERT_EQ(client->Request(Command(kTwoPlayers)), "ok");
        const std::string listening = server->Request("connect server 127.0.0.1 0 " + serverName);
        ASSERT_EQ(listening.rfind("ok ", 0), 0u) << listening.substr(0, 200);
        const int port = std::atoi(listening.c_str() + 3);
        ASSERT_GT(port, 0);
        ASSERT_EQ(
            client->Request("connect client 127.0.0.1 " + std::to_string(port) + " " + clientName),
            "ok");
        ASSERT_TRUE(client->WaitState([](const std::string& s) {
            return StateField(s, "net") == 1 && StateField(s, "color") == 1;
        })) << client->Request("state");
        ASSERT_TRUE(server->WaitState([](const std::string& s) {
            return StateField(s, "net") == 1;
        })) << server->Request("state");
    }

    // `mover` clicks the two squares; the other side shows the same board.
    void Play(TavlionProcess& mover, TavlionProcess& other, const std::string& from,
              const std::string& to) {
        const std::string before = mover.Board();
        ASSERT_EQ(mover.Request("click " + from).rfind("ok", 0), 0u);
        ASSERT_EQ(mover.Request("click " + to).rfind("ok", 0), 0u);
        const std::string after = mover.Board();
        ASSERT_NE(after, before) << from << "-" << to << " was not played";
        EXPECT_EQ(StateField(mover.Request("state"), "waiting"), 1);
        ASSERT_TRUE(other.WaitState([&](const std::string& s) {
            return s.rfind("ok " + after + " ", 0) == 0;
        })) << other.Request("state")
            << " instead of " << after;
        EXPECT_EQ(StateField(other.Request("state"), "waiting"), 0);
        EXPECT_EQ(mover.RequestBlock("moves"), other.RequestBlock("moves"));
    }

    static bool ChatBecomes(TavlionProcess& side, const std::vector<std::string>& lines) {
        return side.WaitState(
            [&](const std::string&) { return side.RequestBlock("chat") == lines; });
    }

    std::unique_ptr<TavlionProcess> server, client;
};

TEST_F(TwoPrograms, ColoursMovesAndChatCrossBetweenTwoPrograms) {
    ConnectBoth();
    EXPECT_EQ(StateField(server->Request("state"), "color"), 0);
    EXPECT_TRUE(Contains(server->RequestBlock("boxes"),
                         "Tavlion: The IP address is in clipboard.\\nPlease give this address "
                         "to your opponent."));
    // Each side's chat opens with the other's greeting.
    EXPECT_EQ(client->RequestBlock("chat"),
              std::vector<std::string>{"Alice : Connected! Start to play..."});
    EXPECT_EQ(server->RequestBlock("chat"),
              std::vector<std::string>{"Bob : Connected! Start to play..."});

    // Black waits for White's first move.
    client->Request("click e7");
    client->Request("click e5");
    EXPECT_EQ(client->Board(), kStart);

    Play(*server, *client, "e2", "e4");
    EXPECT_EQ(client->Board(), "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR");
    EXPECT_EQ(client->RequestBlock("moves"), std::vector<std::string>{"E2 - E4"});
    // White waits for Black's answer.
    server->Request("click d2");
    server->Request("click d4");
    EXPECT_EQ(server->Board(), "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR");

    Play(*client, *server, "e7", "e5");
    Play(*server, *client, "g1", "f3");
    Play(*client, *server, "b8", "c6");
    EXPECT_EQ(server->Board(), "r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R");
    EXPECT_EQ(server->RequestBlock("moves").size(), 4u);

    // One line each way, the answer after the greeting has arrived.
    ASSERT_EQ(server->Request("say Good luck!"), "ok");
    const std::vector<std::string> greeted = {"Alice : Connected! Start to play...",
                                              "Alice : Good luck!"};
    ASSERT_TRUE(ChatBecomes(*client, greeted)) << client->RequestBlock("chat").size();
    ASSERT_EQ(client->Request("say Thanks, you too"), "ok");
    const std::vector<std::string> answered = {"Bob : Connected! Start to play...",
                                               "Alice : Good luck!", "Bob : Thanks, you too"};
    EXPECT_TRUE(ChatBecomes(*server, answered)) << server->RequestBlock("chat").size();
    EXPECT_EQ(client->RequestBlock("chat").back(), "Bob : Thanks, you too");
    // An empty line sends nothing.
    EXPECT_NE(client->Request("say"), "ok");
    EXPECT_EQ(server->RequestBlock("chat").size(), 3u);

    // The listening side leaves this time; the caller is told.
    const std::string kept = client->Board();
    ASSERT_EQ(server->Request(Command(kCloseConnection)), "ok");
    ASSERT_TRUE(client->WaitState([](const std::string& s) { return StateField(s, "net") == 0; }))
        << client->Request("state");
    EXPECT_TRUE(Contains(client->RequestBlock("boxes"),
                         "Tavlion: Your opponent has left the game. The connection is closed."));
    EXPECT_EQ(client->Board(), kept);
}

// A pawn that reaches the last rank arrives as the figure its player chose,
// and the next pawn move stays a pawn move.
TEST_F(TwoPrograms, APromotionArrivesAsTheChosenFigure) {
    ConnectBoth();
    Play(*server, *client, "b2", "b4");
    Play(*client, *server, "a7", "a5");
    Play(*server, *client, "b4", "a5");
    Play(*client, *server, "h7", "h6");
    Play(*server, *client, "a5", "a6");
    Play(*client, *server, "h6", "h5");
    Play(*server, *client, "a6", "b7");
    Play(*client, *server, "h5", "h4");
    ASSERT_EQ(server->Request("promote knight"), "ok");
    Play(*server, *client, "b7", "a8");
    EXPECT_EQ(client->Board(), "Nnbqkbnr/2ppppp1/8/8/7p/8/P1PPPPPP/RNBQKBNR");
    Play(*client, *server, "g7", "g6");
    Play(*server, *client, "a2", "a3");
    EXPECT_EQ(client->Board(), "Nnbqkbnr/2pppp2/6p1/8/7p/P7/2PPPPPP/RNBQKBNR");
}

TEST_F(TwoPrograms, NewGameFromTheCallerAndItsLeavingReachTheServer) {
    ConnectBoth();
    Play(*server, *client, "e2", "e4");
    Play(*client, *server, "c7", "c5");

    ASSERT_EQ(client->Request(Command(kNewGame)), "ok");
    EXPECT_EQ(client->Board(), kStart);
    ASSERT_TRUE(server->WaitState([](const std::string& s) {
        return s.rfind(std::string("ok ") + kStart + " ", 0) == 0;
    })) << server->Request("state");
    EXPECT_TRUE(server->RequestBlock("moves").empty());
    EXPECT_TRUE(client->RequestBlock("moves").empty());

    // The new game starts again with White, and still connected.
    Play(*server, *client, "d2", "d4");
    const std::string kept = server->Board();

    ASSERT_EQ(client->Request(Command(kCloseConnection)), "ok");
    EXPECT_EQ(StateField(client->Request("state"), "net"), 0);
    ASSERT_TRUE(server->WaitState([](const std::string& s) {
        return StateField(s, "net") == 0 && StateField(s, "waiting") == 0;
    })) << server->Request("state");
    EXPECT_TRUE(Contains(server->RequestBlock("boxes"),
                         "Tavlion: Your opponent has left the game. The connection is closed."));
    EXPECT_EQ(server->Board(), kept);
    EXPECT_EQ(client->Board(), kept);
    EXPECT_EQ(server->RequestBlock("moves"), std::vector<std::string>{"D2 - D4"});

    // Nothing to send on any more; both may connect again.
    EXPECT_NE(client->Request("say anyone there?"), "ok");
    EXPECT_EQ(client->Request(Command(kCloseConnection)).rfind("error", 0), 0u);
    // A game with moves on the board is ended by New Game before the next.
    EXPECT_EQ(server->Request("connect server 127.0.0.1 0 Alice").rfind("error", 0), 0u);
    ASSERT_EQ(server->Request(Command(kNewGame)), "ok");
    const std::string again = server->Request("connect server 127.0.0.1 0 Alice");
    EXPECT_EQ(again.rfind("ok ", 0), 0u) << again;
}

// Whatever one copy sends, the other reads: a nickname far longer than a
// packet may carry is cut before it goes into the greeting.
TEST_F(TwoPrograms, AnOverlongNicknameStillGreetsTheCaller) {
    const std::string name(70000, 'A');
    ConnectBoth(name, "Bob");
    const std::vector<std::string> chat = client->RequestBlock("chat");
    ASSERT_EQ(chat.size(), 1u);
    EXPECT_LT(chat[0].size(), 200u);
    EXPECT_EQ(chat[0].rfind("AAAA", 0), 0u);
    EXPECT_TRUE(chat[0].ends_with("A : Connected! Start to play..."));
    EXPECT_FALSE(Contains(client->RequestBlock("boxes"),
                          "Tavlion: Your opponent sent a message longer than 64 KiB. The "
                          "connection is closed."));
}

// The longest line the chat window lets a player send, from a player with
// the longest nickname the Connect dialog once took, arrives whole.
TEST_F(TwoPrograms, TheLongestChatLineArrives) {
    ConnectBoth("Alice", std::string(32767, 'B'));
    ASSERT_EQ(client->Request("say " + std::string(70000, 'c')), "ok");
    const std::string sent = client->RequestBlock("chat").back();
    EXPECT_NE(sent.find(" : ccc"), std::string::npos) << sent.substr(0, 100);
    ASSERT_TRUE(server->WaitState([&](const std::string&) {
        return server->RequestBlock("chat").back() == sent;
    })) << server->RequestBlock("chat").back().substr(0, 100);
    EXPECT_EQ(StateField(server->Request("state"), "net"), 1);
    EXPECT_EQ(StateField(client->Request("state"), "net"), 1);
}

// A caller that finds nobody listening is asked whether to try again; the
// hook answers the question without blocking the program.
TEST(OneProgram, CallerGivesUpWhenNobodyListens) {
    if (!HaveDisplay()) GTEST_SKIP() << "no display; run under xvfb-run -a";
    TavlionProcess caller("caller");
    ASSERT_TRUE(caller.Start()) << caller.Failure();
    ASSERT_TRUE(caller.WaitReady()) << caller.Failure();
    // Connecting needs two-player mode.
    EXPECT_EQ(caller.Request("connect client 127.0.0.1 1 Bob").rfind("error", 0), 0u);
    ASSERT_EQ(caller.Request(Command(kTwoPlayers)), "ok");

    // Port 1 on this machine: refused at once. Try once more, then give up.
    ASSERT_EQ(caller.Request("answer yes"), "ok");
    ASSERT_EQ(caller.Request("connect client 127.0.0.1 1 Bob"), "ok");
    const std::string question = "Connecting Server...: Not Connected. Do Yo want to try again?";
    const auto asked = [&](size_t times) {
        return caller.WaitState([&](const std::string&) {
            const auto boxes = caller.RequestBlock("boxes");
            return size_t(std::count(boxes.begin(), boxes.end(), question)) == times;
        });
    };
    EXPECT_TRUE(asked(2)) << caller.RequestBlock("boxes").size();
    EXPECT_EQ(StateField(caller.Request("state"), "net"), 0);
    // Connect is offered again, and its toolbar button is on the screen.
    EXPECT_EQ(caller.Request("where " + std::to_string(kConnect)).rfind("ok ", 0), 0u);
    EXPECT_EQ(caller.Request("where 32788").rfind("error", 0), 0u); // not on the toolbar
    EXPECT_TRUE(caller.Quit()) << caller.Failure() << caller.Output();
}

// Resignation and draw offers travel as packets of their own.
TEST_F(TwoPrograms, DrawOffersAndResignationCrossBetweenTwoPrograms) {
    constexpr int kOfferDraw = 32861, kResign = 32862, kAnimation = 32781;
    const std::string question = "Tavlion: Your opponent offers a draw. Do you accept?";
    const auto over = [](const std::string& s) { return StateField(s, "over") == 1; };
    ConnectBoth();
    Play(*server, *client, "e2", "e4");
    Play(*client, *server, "e7", "e5");

    // Declined: the offering side is told, and may not offer again this move.
    ASSERT_EQ(client->Request("answer no"), "ok");
    ASSERT_EQ(server->Request(Command(kOfferDraw)), "ok");
    ASSERT_TRUE(server->WaitState([&](const std::string&) {
        return Contains(server->RequestBlock("boxes"), "Tavlion: Your opponent declines the draw.");
    }));
    EXPECT_NE(server->Request(Command(kOfferDraw)), "ok");
    EXPECT_TRUE(Contains(client->RequestBlock("boxes"), question));
    Play(*server, *client, "g1", "f3");
    Play(*client, *server, "b8", "c6");

    // Withdrawn: the offer and the move leave together, with no animation to
    // wait for in between; the acceptance that comes back finds no offer, and
    // both games go on.
    ASSERT_EQ(server->Request(Command(kAnimation)), "ok");
    ASSERT_EQ(client->Request("answer yes"), "ok");
    const std::vector<std::string> replies =
        server->RequestTogether({Command(kOfferDraw), "click f1", "click c4"});
    ASSERT_EQ(replies.size(), 3u);
    for (const std::string& reply : replies) ASSERT_EQ(reply.rfind("ok", 0), 0u) << reply;
    ASSERT_TRUE(client->WaitState(
        [&](const std::string&) { return client->RequestBlock("moves").size() == 5; }));
    const std::vector<std::string> asked = client->RequestBlock("boxes");
    EXPECT_EQ(std::count(asked.begin(), asked.end(), question), 2);
    Play(*client, *server, "g8", "f6");
    EXPECT_EQ(StateField(server->Request("state"), "over"), 0);
    EXPECT_EQ(StateField(client->Request("state"), "over"), 0);

    // Accepted: both games end as a draw.
    ASSERT_EQ(client->Request("answer yes"), "ok");
    ASSERT_EQ(server->Request(Command(kOfferDraw)), "ok");
    ASSERT_TRUE(server->WaitState(over)) << server->Request("status");
    ASSERT_TRUE(client->WaitState(over)) << client->Request("status");
    EXPECT_EQ(server->Request("status"), "ok Draw: agreed (1/2-1/2)");
    EXPECT_EQ(client->Request("status"), "ok Draw: agreed (1/2-1/2)");

    // A new game, and the caller resigns after one move.
    ASSERT_EQ(server->Request(Command(kNewGame)), "ok");
    ASSERT_TRUE(client->WaitState([](const std::string& s) { return StateField(s, "over") == 0; }));
    Play(*server, *client, "d2", "d4");
    ASSERT_EQ(client->Request("answer yes"), "ok");
    ASSERT_EQ(client->Request(Command(kResign)), "ok");
    ASSERT_TRUE(server->WaitState(over)) << server->Request("status");
    EXPECT_TRUE(Contains(server->RequestBlock("boxes"), "Tavlion: Your opponent resigned."));
    EXPECT_EQ(server->Request("status"), "ok White wins: Black resigned (1-0)");
    EXPECT_EQ(client->Request("status"), "ok White wins: Black resigned (1-0)");
}
