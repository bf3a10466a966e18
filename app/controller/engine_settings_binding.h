#pragma once

#include "config/file_storage.h"
#include "config/str.h"
#include "engines/outside_settings.h"

inline constexpr const char* kEngineSection = "Engine";

// The section "Engine" of the settings file: which engine plays the
// computer's side and how the levels map onto an outside one. Game files
// do not carry it, and a build that knows nothing of it skips it. The
// program's path is bound through `program`, the INI layer's own string.
void BindEngineSettings(CFileStorage& document, engines::OutsideEngineSettings& settings,
                        Str& program);
