#include "stockfish.h"

#include <sstream>

#include "notation/fen.h"
#include "notation/move_generator.h"
#include "notation/play.h"

namespace notation::testing {

namespace {

std::vector<std::string> Fields(const std::string& fen) {
    std::istringstream in(fen);
    std::vector<std::string> fields;
    for (std::string f; in >> f;) fields.push_back(f);
    return fields;
}

bool HasLegalEnPassant(const Position& p) {
    for (const Move m : notation::LegalMoves(p))
        if (m.to == p.enPassant && TypeOf(p.At(m.from)) == kPawn) return true;
    return false;
}

} // namespace

Stockfish::Stockfish() {
    const std::string path = FindTool("stockfish");
    if (path.empty()) return;
    process_ = std::make_unique<ToolProcess>(path, std::vector<std::string>{});
    process_->Send("uci");
    std::string line;
    while (process_->ReadLine(line) && line != "uciok") {
    }
}

void Stockfish::SetPosition(const std::string& fen, const std::vector<std::string>& moves) {
    std::string command = "position fen " + fen;
    if (!moves.empty()) command += " moves";
    for (const std::string& m : moves) command += " " + m;
    process_->Send(command);
}

std::set<std::string> Stockfish::LegalMoves(const std::string& fen) {
    std::set<std::string> moves;
    if (!Running()) return moves;
    SetPosition(fen, {});
    process_->Send("go perft 1");
    std::string line;
    while (process_->ReadLine(line) && line.rfind("Nodes searched", 0) != 0) {
        const size_t colon = line.find(':');
        if (colon != std::string::npos) moves.insert(line.substr(0, colon));
    }
    return moves;
}

std::string Stockfish::FenAfter(const std::string& fen, const std::vector<std::string>& moves) {
    if (!Running()) return "";
    SetPosition(fen, moves);
    process_->Send("d");
    std::string line, result;
    while (process_->ReadLine(line) && line.rfind("Checkers:", 0) != 0)
        if (line.rfind("Fen: ", 0) == 0) result = line.substr(5);
    return result;
}

bool SameFen(const std::string& ours, const std::string& theirs) {
    if (ours == theirs) return true;
    std::vector<std::string> a = Fields(ours), b = Fields(theirs);
    if (a.size() != 6 || b.size() != 6 || b[3] != "-") return false;
    a[3] = b[3] = "";
    const FenReading reading = ReadFen(ours);
    return a == b && reading && !HasLegalEnPassant(reading.position);
}

} // namespace notation::testing
