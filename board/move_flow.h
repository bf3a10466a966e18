#pragma once

#include <string>

#include "engine/engine_api.h"
#include "platform/library.h"
#include "platform/message_box.h"
#include "platform/paths.h"

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

// Names the file as this system calls it, and the program's folder, where
// the loader looks for it.
inline void ReportMissingEngine() {
    const std::string file = platform::NativeLibraryName(kEngineLibraryName);
    platform::ShowMessageBox("The chess engine \"" + file +
                             "\" could not be loaded, so no move can be made. Put \"" + file +
                             "\" into the program's folder \"" + platform::ExecutableDirectory() +
                             "\" and start it again.");
}

} // namespace move_flow
