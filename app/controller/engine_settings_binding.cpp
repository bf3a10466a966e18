#include "app/controller/engine_settings_binding.h"

#include "config/ini_item.h"

#include <string>

void BindEngineSettings(CFileStorage& document, engines::OutsideEngineSettings& settings,
                        Str& program) {
    static const char* const kLevelNames[] = {"Easy", "Medium", "Difficult"};
    CIniPartition* section = document.AddPartition(kEngineSection);
    section->AddItem("Engine", &settings.kind, INI_INT);
    section->AddItem("Engine Program", &program, INI_STRING);
    for (size_t i = 0; i < settings.levels.size(); ++i) {
        const std::string level = kLevelNames[i];
        engines::LevelPlay& play = settings.levels[i];
        section->AddItem(("Engine Time " + level).c_str(), &play.moveTimeMs, INI_INT);
        section->AddItem(("Engine Skill Level " + level).c_str(), &play.skillLevel, INI_INT);
        section->AddItem(("Engine Elo " + level).c_str(), &play.elo, INI_INT);
    }
}
