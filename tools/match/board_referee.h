#pragma once

#include <memory>

#include "notation/move.h"
#include "notation/position.h"

// Judges a move by the board's own rules: the figure's targets, less the
// moves that leave the mover's king attacked by the engine library's
// verdict, as a click on the board would be judged.
class BoardReferee {
public:
    BoardReferee();
    ~BoardReferee();
    // False when the engine library could not be loaded.
    bool Ready() const;
    bool Accepts(const notation::Position& position, notation::Move move);

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};
