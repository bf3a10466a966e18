#include "app/controller/settings_binding.h"

#include "config/ini_item.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <memory>
#include <span>

const char* const kSettingsBanner =
    "Tavlion 1.4, 3D chess by the Tavlion developers\nhttps://www.tavlion.example/";

namespace {

struct sSettingsKey {
    const char* name;
    IniType type;
    void* (*field)(sSettings&);
    // A key game files did not always have: a game file holds the later
    // keys only when one of them is away from its default, so a game saved
    // with the defaults keeps the layout game files always had.
    bool later = false;
};

template <auto Member> void* FieldOf(sSettings& s) {
    return &(s.*Member);
}

constexpr sSettingsKey kSettingsKeys[] = {
    {"Music", INI_INT, FieldOf<&sSettings::music>},
    {"Sound Effects", INI_INT, FieldOf<&sSettings::soundEffects>},
    {"Game Level", INI_INT, FieldOf<&sSettings::gameLevel>},
    {"Player Mode", INI_INT, FieldOf<&sSettings::playerMode>},
    {"Player Color", INI_INT, FieldOf<&sSettings::playerColor>},
    {"Current Move", INI_INT, FieldOf<&sSettings::currentMove>},
    {"Matrix", INI_MATRIX, FieldOf<&sSettings::matrix>},
    {"Camera Position", INI_FLOAT3, FieldOf<&sSettings::eye>},
    {"Mirror", INI_INT, FieldOf<&sSettings::mirror>},
    {"YAngle", INI_FLOAT, FieldOf<&sSettings::yAngle>},
    {"Sky Number", INI_INT, FieldOf<&sSettings::skyNumber>},
    {"Sky Flague", INI_INT, FieldOf<&sSettings::skyFlague>},
    {"Animation", INI_INT, FieldOf<&sSettings::animation>},
    {"Shadows", INI_INT, FieldOf<&sSettings::shadows>},
    {"Letters", INI_INT, FieldOf<&sSettings::letters>},
    {"Delete Figures", INI_INT, FieldOf<&sSettings::deleteFigures>},
    {"Textured Figures", INI_INT, FieldOf<&sSettings::texturedFigures>},
    {"Textured Board", INI_INT, FieldOf<&sSettings::texturedBoard>},
    {"Timer", INI_INT, FieldOf<&sSettings::timer>},
    {"Nickname", INI_STRING, FieldOf<&sSettings::nickname>},
    {"Move List", INI_INT, FieldOf<&sSettings::moveList>},
    {"Draw Mode", INI_INT, FieldOf<&sSettings::drawMode>},
    {"Camera Distance", INI_FLOAT, FieldOf<&sSettings::cameraDistance>, true},
    {"Standard Notation", INI_INT, FieldOf<&sSettings::standardNotation>, true},
    {"Board Theme", INI_INT, FieldOf<&sSettings::boardTheme>, true},
    {"Smooth Edges", INI_INT, FieldOf<&sSettings::smoothEdges>, true},
};
static_assert(std::size(kSettingsKeys) == 26);

// How the program starts, whether others may find it and the time control
// are no part of a game, so game files leave these out.
constexpr sSettingsKey kProgramKeys[] = {
    {"Restore Unfinished Game", INI_INT, FieldOf<&sSettings::restoreUnfinished>},
    {"Discoverable", INI_INT, FieldOf<&sSettings::discoverable>},
    {"Time Control Minutes", INI_INT, FieldOf<&sSettings::timeControlMinutes>},
    {"Time Control Increment", INI_INT, FieldOf<&sSettings::timeControlIncrement>},
};

bool SameValue(const sSettingsKey& key, sSettings& a, sSettings& b) {
    if (key.type == INI_FLOAT)
        return *static_cast<float*>(key.field(a)) == *static_cast<float*>(key.field(b));
    return *static_cast<int32_t*>(key.field(a)) == *static_cast<int32_t*>(key.field(b));
}

// The later keys go together, so that a game file with any of them says how
// every one of them stood.
bool LaterKeysAwayFromDefaults(sSettings& settings) {
    static sSettings defaults;
    return std::ranges::any_of(kSettingsKeys, [&settings](const sSettingsKey& key) {
        return key.later && !SameValue(key, settings, defaults);
    });
}

enum class Defaults { Written, LeftOut };

CIniPartition* AddKeys(CIniPartition* section, std::span<const sSettingsKey> keys,
                       sSettings& settings, Defaults defaults) {
    for (const auto& key : keys) {
        if (!key.later || defaults == Defaults::Written)
            section->AddItem(key.name, key.field(settings), key.type);
        else
            section->AddItem(std::make_unique<CIniOptional>(
                key.name, key.field(settings), key.type,
                [&settings] { return LaterKeysAwayFromDefaults(settings); }));
    }
    return section;
}

} // namespace

CIniPartition* BindSettings(CFileStorage& document, sSettings& settings) {
    return AddKeys(document.AddPartition(kSettingsSection), kSettingsKeys, settings,
                   Defaults::LeftOut);
}

// The settings file shows every setting, so that it can be edited by hand.
CIniPartition* BindProgramSettings(CFileStorage& document, sSettings& settings) {
    CIniPartition* section = document.AddPartition(kSettingsSection);
    AddKeys(section, kSettingsKeys, settings, Defaults::Written);
    return AddKeys(section, kProgramKeys, settings, Defaults::Written);
}
