#include "board_referee.h"

#include "board/board.h"
#include "notation/board_bridge.h"
#include "platform/library.h"
#include "support/stub_board_services.h"

namespace {

struct RefereeServices : CStubBoardServices {
    GetCurrentStateFn state = nullptr;
    GetCurrentStateFn CurrentStateEntry() const override { return state; }
};

} // namespace

struct BoardReferee::Parts {
    RefereeServices services;
    CMoveTable moveTable;
    CBoard board{services, moveTable};
};

BoardReferee::BoardReferee() : parts_(std::make_unique<Parts>()) {
    parts_->services.state = reinterpret_cast<GetCurrentStateFn>(platform::GetProcAddress(
        platform::LoadLibrary(kEngineLibraryName), kGetCurrentStateOrdinal));
}

BoardReferee::~BoardReferee() = default;

bool BoardReferee::Ready() const {
    return parts_->services.state != nullptr;
}

bool BoardReferee::Accepts(const notation::Position& position, notation::Move move) {
    CBoard& board = parts_->board;
    board.ClearFigures();
    for (const sState& s : notation::PiecesFromPosition(position))
        board.AddFigure(s.type, s.color, s.x, s.y);
    board.rights = notation::RightsFromPosition(position);
    const sBoardMove wanted{{notation::FileOf(move.from), notation::RankOf(move.from)},
                            {notation::FileOf(move.to), notation::RankOf(move.to)}};
    for (const sBoardMove& m : board.AcceptedMoves(position.side))
        if (m == wanted) return true;
    return false;
}
