#include "app/controller/settings_binding.h"

#include "config/ini_item.h"

#include <iterator>
#include <span>

const char* const kSettingsBanner =
    "Tavlion 1.4, 3D chess by the Tavlion developers\nhttps://www.tavlion.example/";

namespace {

struct sSettingsKey {
    const char* name;
    IniType type;
    void* (*field)(sSettings&);
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
    {"Camera Distance", INI_FLOAT, FieldOf<&sSettings::cameraDistance>},
    {"Standard Notation", INI_INT, FieldOf<&sSettings::standardNotation>},
    {"Board Theme", INI_INT, FieldOf<&sSettings::boardTheme>},
    {"Smooth Edges", INI_INT, FieldOf<&sSettings::smoothEdges>},
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

CIniPartition* AddKeys(CIniPartition* section, std::span<const sSettingsKey> keys,
                       sSettings& settings) {
    for (const auto& key : keys) section->AddItem(key.name, key.field(settings), key.type);
    return section;
}

} // namespace

CIniPartition* BindSettings(CFileStorage& document, sSettings& settings) {
    return AddKeys(document.AddPartition(kSettingsSection), kSettingsKeys, settings);
}

CIniPartition* BindProgramSettings(CFileStorage& document, sSettings& settings) {
    return AddKeys(BindSettings(document, settings), kProgramKeys, settings);
}
