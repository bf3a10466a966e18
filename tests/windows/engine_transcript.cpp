#include "engine_transcript.h"

#include "engine/computer_move.h"
#include "engine/position.h"
#include "transcript.h"

#include <utility>
#include <vector>

namespace dll_test {
namespace {

using engine_test::FromPlacement;
using engine_test::Position;

constexpr char kOpening[] = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR";
constexpr char kMiddleGame[] = "r2q1rk1/pb1nbppp/1p2pn2/2pp4/2PP4/1PN1PN2/PB1QBPPP/R4RK1";
constexpr int kStatusOnly = -1;

struct EngineCase {
    const char* name;
    const char* placement;
    std::vector<std::pair<int, int>> rights; // word, value
    int opponentColor;
    int level; // kStatusOnly: no search
};

const std::vector<EngineCase>& Cases() {
    static const std::vector<EngineCase> cases = {
        {"opening, engine Black", kOpening, {}, 0, 0},
        {"opening, engine White", kOpening, {}, 1, 1},
        {"castling mates", "4rkr1/4p1p1/8/8/8/8/8/4K2R", {{2, 1}}, 1, 0},
        {"promotion", "7k/4P3/8/8/8/8/8/K7", {}, 1, 1},
        {"en passant", "4k3/8/8/3pP3/8/8/8/4K3", {{2, 1}, {4, 3}, {5, 5}}, 1, 0},
        {"queen takes rook", "r6k/6p1/8/8/8/8/8/Q6K", {}, 1, 1},
        {"middle game", kMiddleGame, {}, 0, 1},
        {"endgame, level 2", "6k1/5pp1/7p/8/3r4/7P/5PP1/2R3K1", {}, 1, 2},
        {"mate", "rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR", {}, 0, kStatusOnly},
        {"check", "7k/8/8/8/8/8/5PP1/r5K1", {}, 0, kStatusOnly},
        {"stalemate", "7k/5Q2/6K1/8/8/8/8/8", {}, 0, kStatusOnly},
        {"no black king", "8/p7/8/8/8/8/8/K7", {}, 0, kStatusOnly},
    };
    return cases;
}

std::string SquareName(int x, int y) {
    return {static_cast<char>('A' + x), static_cast<char>('1' + y)};
}

// "Ke1" for a white king on E1, "pd7" for a black pawn on D7.
std::string FigureName(const CFigure& f) {
    const char letter = f.type >= 1 && f.type <= 6 ? "PNBRQK"[f.type - 1] : '?';
    return std::string(1, f.color == 0 ? letter : static_cast<char>(letter - 'A' + 'a')) +
           SquareName(f.x, f.y);
}

std::string Statuses(const EngineHost& host, Position& p) {
    std::string line = "status";
    for (int color : {0, 1}) {
        int status = -1;
        host.currentState(&p.list, color, &p.rules, &status);
        line += " " + std::to_string(status);
    }
    return line + "\n";
}

struct MoveOutcome {
    CFigure* captured = nullptr;
    CFigure* moved = nullptr;
    int x = -1, y = -1;
};

MoveOutcome ComputerMove(const EngineHost& host, Position& p, int opponentColor, int level,
                         int stop) {
    MoveOutcome o;
    host.computerMove(&p.list, opponentColor, level, &p.rules, &o.captured, &o.moved, &o.x, &o.y,
                      &stop);
    return o;
}

std::string DescribeMove(const Position& p, const MoveOutcome& o) {
    std::string text = "move " + (o.moved ? FigureName(*o.moved) : std::string("none")) + " to " +
                       SquareName(o.x, o.y) + ", captured ";
    text += o.captured ? "figure " + std::to_string(p.IndexOf(o.captured)) : std::string("none");
    text += "\nrights";
    for (int word : p.rules.word) text += " " + std::to_string(word);
    text += "\nfigures";
    for (const CFigure& f : p.records) text += " " + FigureName(f);
    return text + "\n";
}

std::string DebugReport() {
    return ShowLineEnds(ReadBytes(engine::kDebugReportName));
}

// A search told to stop while it runs still answers one of the root moves
// and reports every one of them, on prices the full search would not give.
std::string StoppedSearch(const EngineHost& host) {
    constexpr int kLevel = 2;
    Position full = FromPlacement(kMiddleGame);
    ComputerMove(host, full, 0, kLevel, 0);
    const std::string fullReport = DebugReport();

    Position p = FromPlacement(kMiddleGame);
    const Position before = p;
    host.keepMessagesComing(true);
    const MoveOutcome o = ComputerMove(host, p, 0, kLevel, 1);
    host.keepMessagesComing(false);
    const std::string report = DebugReport();

    std::string rootMove = "(none)";
    if (o.moved) {
        const CFigure& from = before.records[p.IndexOf(o.moved)];
        rootMove = std::string("from (") + static_cast<char>('A' + from.x) + "," +
                   std::to_string(from.y + 1) + ") to (" + static_cast<char>('A' + o.x) + "," +
                   std::to_string(o.y + 1) + ")";
    }
    int lines = 0;
    for (char c : report) lines += c == '\n';
    std::string text = "== stopped middle game, level 2\n";
    text += "move among the reported root moves: ";
    text += report.find(rootMove) != std::string::npos ? "yes\n" : "no\n";
    text += "report lines: " + std::to_string(lines) + "\n";
    text += "prices differ from the full search's: ";
    text += report != fullReport ? "yes\n" : "no\n";
    return text;
}

} // namespace

std::string EngineTranscript(const EngineHost& host) {
    std::string text;
    for (const EngineCase& c : Cases()) {
        Position p = FromPlacement(c.placement);
        for (const auto& [word, value] : c.rights) p.rules[word] = value;
        text += "== " + std::string(c.name) + "\n" + Statuses(host, p);
        if (c.level != kStatusOnly) {
            const MoveOutcome o = ComputerMove(host, p, c.opponentColor, c.level, 0);
            text += DescribeMove(p, o) + "report " + DebugReport() + "\n";
        }
        text += host.messageBoxes();
    }
    return text + StoppedSearch(host);
}

} // namespace dll_test
