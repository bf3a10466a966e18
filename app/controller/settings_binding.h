#pragma once

#include "app/controller/settings.h"
#include "config/file_storage.h"

inline constexpr const char* kSettingsFileName = "Tavlion.INI";
inline constexpr const char* kSettingsSection = "Settings";
extern const char* const kSettingsBanner;

// Adds the section "Settings" of a game file to `document` and binds its
// keys to the fields of `settings`, in the order they are written. The keys
// game files did not always have are written only when one of them is away
// from its default.
CIniPartition* BindSettings(CFileStorage& document, sSettings& settings);

// The settings file's document: every key of BindSettings, written always,
// and the keys that only the program's own settings hold.
CIniPartition* BindProgramSettings(CFileStorage& document, sSettings& settings);
