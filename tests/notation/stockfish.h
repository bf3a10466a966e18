#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tool_process.h"

namespace notation::testing {

// Stockfish over UCI, asked what it makes of positions.
class Stockfish {
public:
    Stockfish();
    bool Running() const { return process_ && process_->Running(); }

    // The moves of "go perft 1", in UCI form.
    std::set<std::string> LegalMoves(const std::string& fen);
    // The FEN that "d" prints after `moves` (UCI form) from `fen`.
    std::string FenAfter(const std::string& fen, const std::vector<std::string>& moves = {});

private:
    void SetPosition(const std::string& fen, const std::vector<std::string>& moves);
    std::unique_ptr<ToolProcess> process_;
};

// Whether two FENs agree, allowing for engines that write an en passant
// square only when the capture is legal: they may then differ in that field
// alone, where the side to move's pawn is pinned.
bool SameFen(const std::string& ours, const std::string& theirs);

} // namespace notation::testing
