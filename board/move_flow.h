#pragma once

#include <string>

#include "engine/engine_api.h"
#include "platform/message_box.h"

// What the turn flow tells the player, and the effects it plays.
namespace move_flow {

enum SoundEffect : int { kSoundMove = 0, kSoundCheck = 1, kSoundGameEnd = 2 };

inline constexpr const char* kCheckRefused = "You have Check!";

// The message of a finished game, or null for a status that does not end it.
constexpr const char* VerdictText(int32_t status) {
    return status == kStatusMate ? "Mate!" : status == kStatusStalemate ? "StaleMate!" : nullptr;
}

// A move against the own king stands only if the king is safe afterwards;
// "mate" for the mover means its king is attacked too.
constexpr bool LeavesKingAttacked(int32_t moverStatus) {
    return moverStatus == kStatusCheck || moverStatus == kStatusMate;
}

inline void ReportMissingEngine() {
    platform::ShowMessageBox(std::string("The chess engine \"") + kEngineLibraryName +
                             "\" could not be loaded, so no move can be made. Put \"" +
                             kEngineLibraryName + "\" beside the program and start it again.");
}

} // namespace move_flow
