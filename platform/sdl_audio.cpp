#include "platform/sdl_audio.h"

#include <SDL.h>

namespace platform {

SdlAudioSubsystem::SdlAudioSubsystem() {
    // SDL would otherwise take over SIGINT and SIGTERM from the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    available_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
}

SdlAudioSubsystem::~SdlAudioSubsystem() {
    if (available_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

} // namespace platform
