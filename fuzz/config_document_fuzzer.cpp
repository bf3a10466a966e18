// The settings file and a game file: CFileStorage::Load with the program's
// own bindings (the "Settings" keys, and for a game the board's "Figures").
// A document saved after a load must load again to the same saved text.
#include "app/controller/settings_binding.h"
#include "config/file_storage.h"
#include "config/ini_item.h"
#include "fuzz/fuzz_support.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The game document as the program binds it.
struct CGameDocument {
    sSettings settings;
    fuzz::CQuietBoard board;
    CFileStorage document;

    // A game file without a board leaves the position the window opened on.
    CGameDocument() {
        board.board.ResetGame();
        BindSettings(document, settings);
        document.SetBanner(kSettingsBanner);
        document.AddPartition("Board")->AddItem("Figures", static_cast<CIniObject*>(&board.board),
                                                INI_OBJECT);
    }
};

// Saves `document`, loads the file into `fresh` and saves that: both saves
// must be the same text.
template <class Document> void CheckRoundTrip(Document& loaded, const char* tag) {
    const std::string first = fuzz::WriteInputFile(nullptr, 0, tag);
    if (!loaded.document.Save(first.c_str())) fuzz::Fail("a loaded document cannot be saved");
    const std::string saved = ReadAll(first);
    Document fresh;
    if (!fresh.document.Load(first.c_str())) fuzz::Fail("a saved document does not load");
    if (!fresh.document.Save(first.c_str())) fuzz::Fail("a reloaded document cannot be saved");
    const std::string again = ReadAll(first);
    if (again != saved) {
        const size_t at =
            std::mismatch(saved.begin(), saved.end(), again.begin(), again.end()).first -
            saved.begin();
        const size_t line = saved.rfind('\n', at) + 1;
        std::fprintf(stderr, "saved:   %s\nreloaded: %s\n",
                     saved.substr(line, saved.find('\n', at) - line).c_str(),
                     again.substr(line, again.find('\n', at) - line).c_str());
        fuzz::Fail("a document changed on its way back");
    }
}

struct CSettingsDocument {
    sSettings settings;
    CFileStorage document;

    CSettingsDocument() {
        document.SetBanner(kSettingsBanner);
        BindProgramSettings(document, settings);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool quiet = (fuzz::SilenceMessageBoxes(), true);
    (void)quiet;
    const std::string path = fuzz::WriteInputFile(data, size, "document.ini");
    // A value ends at a NUL byte, which may leave blanks the loader trims
    // from a line's end: such files load, but need not survive a save.
    const bool saveable = std::find(data, data + size, 0) == data + size;

    CSettingsDocument settings;
    if (settings.document.Load(path.c_str()) && saveable)
        CheckRoundTrip(settings, "settings-saved.ini");

    CGameDocument game;
    if (game.document.Load(path.c_str()) && saveable) CheckRoundTrip(game, "game-saved.ini");
    return 0;
}
