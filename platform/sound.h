#pragma once

#include <string>

namespace platform {

// Plays a WAV file and returns when it has played, like the synchronous
// system call it replaces. Without an audio device the call still takes the
// sound's length. A file that cannot be read plays nothing and reports
// nothing; the result says whether a sound was played.
bool PlayWaveFile(const std::string& path);

} // namespace platform
