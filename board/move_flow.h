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

// The status says the side's king is attacked: check, or mate (which is also
// what a mover gets whose own king its move left attacked).
constexpr bool KingAttacked(int32_t status) {
    return status == kStatusCheck || status == kStatusMate;
}

inline void ReportMissingEngine() {
    platform::ShowMessageBox(std::string("The chess engine \"") + kEngineLibraryName +
                             "\" could not be loaded, so no move can be made. Put \"" +
                             kEngineLibraryName + "\" beside the program and start it again.");
}

} // namespace move_flow
