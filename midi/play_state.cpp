#include "midi/play_state.h"

namespace midi {

std::mutex& ComponentMutex() {
    static std::mutex mutex;
    return mutex;
}

sPlayState& ProcessPlayState() {
    static sPlayState state;
    return state;
}

} // namespace midi
