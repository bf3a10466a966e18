#include "match_runner.h"

#include <chrono>
#include <map>

#include "board_referee.h"
#include "engines/uci_opponent.h"
#include "notation/fen.h"
#include "notation/move_generator.h"
#include "notation/pgn_writer.h"
#include "notation/play.h"
#include "notation/san.h"

namespace {

// The placement, side, castling and en passant: what makes a position the
// same one again for the repetition rule.
std::string RepetitionKey(const notation::Position& p) {
    const std::string fen = notation::WriteFen(p);
    size_t end = fen.size();
    for (int fields = 0; fields < 4 && end != std::string::npos; ++fields)
        end = fen.find(' ', fields == 0 ? 0 : end + 1);
    return fen.substr(0, end);
}

// Neither side can mate: kings alone, or one knight or bishop beside them.
bool NoMatingMaterial(const notation::Position& p) {
    int minors = 0;
    for (int s = 0; s < 64; ++s) {
        const int type = notation::TypeOf(p.At(s));
        if (type == kPawn || type == kRook || type == kQueen) return false;
        if (type == kKnight || type == kBishop) ++minors;
    }
    return minors <= 1;
}

std::string Winner(int loser) {
    return loser == kWhite ? "0-1" : "1-0";
}

} // namespace

MatchGame PlayMatchGame(const MatchPlayer& white, const MatchPlayer& black, int maxPlies) {
    MatchGame game;
    const MatchPlayer* players[2] = {&white, &black};
    engines::UciOpponent programs[2];
    for (int side : {kWhite, kBlack})
        for (const auto& [name, value] : players[side]->options) programs[side].Preset(name, value);
    BoardReferee referee;
    notation::Position position = notation::StartPosition();
    std::map<std::string, int> seen;
    for (int ply = 0;; ++ply) {
        const int side = position.side;
        if (!notation::HasLegalMove(position)) {
            game.result = notation::ResultOf(position);
            game.ending = game.result == "1/2-1/2" ? "stalemate" : "checkmate";
            break;
        }
        const char* draw = position.halfmoveClock >= 100          ? "fifty moves"
                           : ++seen[RepetitionKey(position)] >= 3 ? "threefold repetition"
                           : NoMatingMaterial(position)           ? "no mating material"
                           : ply >= maxPlies                      ? "adjudicated at the ply limit"
                                                                  : nullptr;
        if (draw) {
            game.result = "1/2-1/2";
            game.ending = draw;
            break;
        }
        engines::OutsideEngineSettings settings;
        settings.kind = engines::kUciEngine;
        settings.path = players[side]->path;
        settings.levels[0] = {players[side]->moveTimeMs, 0, 0};
        const auto start = std::chrono::steady_clock::now();
        const engines::UciOpponent::Reply reply =
            programs[side].BestMove(settings, position, 0, nullptr);
        game.thinkingMs[side] +=
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        ++game.movesMade[side];
        if (!reply.move) {
            game.problem = reply.problem;
        } else if (referee.Ready() && !referee.Accepts(position, *reply.move)) {
            game.problem = players[side]->name + "'s move " + notation::ToUci(*reply.move) +
                           " is refused by the board's rules";
        }
        if (!game.problem.empty()) {
            game.result = Winner(side);
            game.ending = "forfeit";
            break;
        }
        game.moves.push_back(*reply.move);
        position = notation::Play(position, *reply.move);
    }
    return game;
}

std::string MatchGamePgn(const MatchGame& game, const MatchPlayer& white, const MatchPlayer& black,
                         int round) {
    notation::PgnExport pgn;
    pgn.header.event = "Tavlion engine match";
    pgn.header.round = std::to_string(round);
    pgn.header.white = white.name;
    pgn.header.black = black.name;
    pgn.header.result = game.result;
    pgn.san = notation::SanOfMoves(notation::StartPosition(), game.moves);
    pgn.comment = game.ending + (game.problem.empty() ? "" : ": " + game.problem);
    return notation::WritePgn(pgn);
}
