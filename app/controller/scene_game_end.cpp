#include "app/controller/scene.h"

#include "platform/message_box.h"

#include <string>

namespace {

// The words of a draw packet.
constexpr const char* kOffer = "OFFER";
constexpr const char* kAccept = "ACCEPT";
constexpr const char* kDecline = "DECLINE";
constexpr const char* kAgreed = "AGREED";
constexpr const char* kClaim = "CLAIM";

constexpr EndReason ReasonOf(DrawClaim claim) {
    switch (claim) {
    case DrawClaim::Repetition:
        return EndReason::Repetition;
    case DrawClaim::FiftyMoves:
        return EndReason::FiftyMoves;
    case DrawClaim::InsufficientMaterial:
        return EndReason::InsufficientMaterial;
    default:
        return EndReason::None;
    }
}

constexpr const char* kTimeUp[] = {"White's time is up.", "Black's time is up."};

} // namespace

bool CScene::IsGameRunning() const {
    return gameStarted == 1 && board.gameOver == 0;
}

int CScene::LocalSide() const {
    return settings.playerMode == 0 || networkGame ? settings.playerColor : settings.currentMove;
}

void CScene::ForgetDrawOffer() {
    drawOffer = DrawOffer::None;
    offeredThisTurn = false;
}

void CScene::EndGame(const sGameResult& result, const char* message) {
    ForgetDrawOffer();
    board.Finish(result, message);
    DrawFrame();
}

// Trying the moves for an en passant right puts every figure back, so the
// board is the same afterwards; while the engine thinks or a figure glides
// it is not touched at all.
DrawClaim CScene::ClaimableDraw() const {
    if (IsThinking() || board.animating || board.gameOver) return DrawClaim::None;
    return const_cast<CBoard&>(board).ClaimableDraw();
}

// A claim is made by the side to move: in a network game on the local turn.
bool CScene::CanClaimDraw() const {
    if (!IsGameRunning() || waitingForPeer) return false;
    if (networkGame && board.SideToMove() != settings.playerColor) return false;
    return ClaimableDraw() != DrawClaim::None;
}

void CScene::ClaimDraw() {
    if (!CanClaimDraw()) return;
    const DrawClaim claim = ClaimableDraw();
    if (networkGame) host.SendDrawToPeer(kClaim);
    EndGame(sGameResult::DrawnBy(ReasonOf(claim)), "Draw!");
}

bool CScene::CanResign() const {
    return IsGameRunning() && !IsThinking();
}

void CScene::Resign() {
    if (!CanResign()) return;
    if (platform::ShowMessageBox("Do you really want to resign?", "Tavlion", platform::kYesNo) !=
        platform::kIdYes)
        return;
    // The question let other events in: the game may have ended meanwhile.
    if (!CanResign()) return;
    const int side = LocalSide();
    if (networkGame) host.SendResignToPeer();
    EndGame(sGameResult::WonBy(Opponent(side), EndReason::Resignation), nullptr);
}

bool CScene::CanOfferDraw() const {
    return networkGame && IsGameRunning() && !waitingForPeer &&
           board.SideToMove() == settings.playerColor && drawOffer == DrawOffer::None &&
           !offeredThisTurn;
}

void CScene::OfferDraw() {
    if (!CanOfferDraw()) return;
    drawOffer = DrawOffer::Made;
    offeredThisTurn = true;
    host.SendDrawToPeer(kOffer);
}

void CScene::OnPeerResign() {
    if (!networkGame || !IsGameRunning()) return;
    EndGame(sGameResult::WonBy(settings.playerColor, EndReason::Resignation),
            "Your opponent resigned.");
}

// Offers and claims come from the side to move; answers only to an offer
// that waits for one. Anything else, or anything in a finished game, is
// ignored.
void CScene::OnPeerDraw(const std::string& word) {
    if (!networkGame || !IsGameRunning()) return;
    const bool peersTurn = board.SideToMove() == Opponent(settings.playerColor);
    if (word == kOffer && peersTurn && drawOffer == DrawOffer::None) {
        const bool yes = platform::ShowMessageBox("Your opponent offers a draw. Do you accept?",
                                                  "Tavlion", platform::kYesNo) == platform::kIdYes;
        if (!networkGame || !IsGameRunning()) return;
        if (yes) drawOffer = DrawOffer::Accepted;
        host.SendDrawToPeer(yes ? kAccept : kDecline);
    } else if (word == kAccept && drawOffer == DrawOffer::Made) {
        host.SendDrawToPeer(kAgreed);
        EndGame(sGameResult::DrawnBy(EndReason::Agreement), "Your opponent accepts the draw.");
    } else if (word == kDecline && drawOffer == DrawOffer::Made) {
        drawOffer = DrawOffer::None;
        platform::ShowMessageBox("Your opponent declines the draw.");
    } else if (word == kAgreed && drawOffer == DrawOffer::Accepted) {
        EndGame(sGameResult::DrawnBy(EndReason::Agreement), "Draw!");
    } else if (word == kClaim && peersTurn) {
        // The claim stands when this board sees the same draw.
        const DrawClaim claim = ClaimableDraw();
        if (claim == DrawClaim::None) return;
        const std::string message =
            std::string("Your opponent claims a draw: ") + DrawClaimText(claim) + ".";
        EndGame(sGameResult::DrawnBy(ReasonOf(claim)), message.c_str());
    }
}

// --- time control ---

sTimeControl CScene::TimeControl() const {
    if (networkGame) return {};
    return sTimeControl{settings.timeControlMinutes, settings.timeControlIncrement}.Limited();
}

bool CScene::CanChooseTimeControl() const {
    return networkGame == 0 && gameStarted == 0 && !IsThinking();
}

void CScene::SetTimeControl(const sTimeControl& control) {
    if (!CanChooseTimeControl()) return;
    const sTimeControl limited = control.Limited();
    settings.timeControlMinutes = limited.minutes;
    settings.timeControlIncrement = limited.increment;
    ResetClocks();
    DrawFrame();
}

bool CScene::ClockIsLow(int color) const {
    return TimeControl().IsOn() && countdown.Remaining(color) < kLowTimeSeconds;
}

// The engine holds pointers into the board while it thinks: its flag makes
// it stop, and the game ends once its move is in.
void CScene::CheckFlag() {
    const int fallen = countdown.Fallen();
    if (fallen < 0 || !TimeControl().IsOn() || !IsGameRunning()) return;
    if (IsThinking()) {
        stopThinking = 1;
        return;
    }
    const int other = Opponent(fallen);
    const sGameResult result = CannotMate(board.figures, other)
                                   ? sGameResult::DrawnBy(EndReason::TimeWithoutMatingMaterial)
                                   : sGameResult::WonBy(other, EndReason::Time);
    EndGame(result, kTimeUp[fallen]);
}

std::string CScene::StatusText() const {
    if (IsThinking()) {
        const uint32_t seconds = (ClockTickNow() - thinkingSince) / 1000;
        return "Thinking... " + std::to_string(seconds) + " s";
    }
    if (board.gameOver && board.result.IsOver()) return ResultText(board.result);
    if (drawOffer == DrawOffer::Made) return "Draw offered: waiting for your opponent's answer.";
    if (drawOffer == DrawOffer::Accepted) return "Draw accepted: waiting for your opponent.";
    if (IsGameRunning())
        if (const DrawClaim claim = ClaimableDraw(); claim != DrawClaim::None)
            return std::string("Draw can be claimed: ") + DrawClaimText(claim);
    return {};
}
