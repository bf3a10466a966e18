// tavlion-uci behind polyglot, Debian's UCI-to-XBoard adapter: a chess
// program of the XBoard kind plays a few moves against it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "engines/uci_text.h"
#include "notation/move_generator.h"
#include "notation/play.h"
#include "platform/child_process.h"
#include "uci_client.h"

namespace {

namespace fs = std::filesystem;

TEST(Polyglot, PlaysAGameOverXBoard) {
    const std::string polyglot = platform::FindProgram("polyglot");
    if (polyglot.empty()) GTEST_SKIP() << "polyglot is not installed";
    const fs::path folder = fs::temp_directory_path() / ("polyglot-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const fs::path ini = folder / "tavlion.ini";
    std::ofstream(ini) << "[PolyGlot]\nEngineDir = "
                       << fs::path(TavlionUciPath()).parent_path().string()
                       << "\nEngineCommand = ./tavlion-uci\nLog = false\n[Engine]\nLevel = 0\n";

    UciTestClient xboard(polyglot, {ini.string()});
    xboard.Send("xboard");
    const std::vector<std::string> features = xboard.Ask("protover 2", "feature done=1");
    ASSERT_FALSE(features.empty());
    EXPECT_NE(std::find(features.begin(), features.end(), "feature myname=\"Tavlion\""),
              features.end());
    EXPECT_NE(std::find(features.begin(), features.end(), "feature option=\"Level -spin 0 0 2\""),
              features.end());
    xboard.Send("new");
    xboard.Send("st 1");

    notation::Position position = notation::StartPosition();
    for (int round = 0; round < 4; ++round) {
        // Our side plays its first legal move, the engine answers.
        const notation::Move ours = notation::LegalMoves(position)[0];
        position = notation::Play(position, ours);
        const std::vector<std::string> lines =
            xboard.Ask("usermove " + notation::ToUci(ours), "move ");
        ASSERT_FALSE(lines.empty()) << "no answer in round " << round;
        const std::vector<std::string> words = uci::Words(lines.back());
        ASSERT_EQ(words.size(), 2u) << lines.back();
        const auto theirs = uci::ReadMove(words[1]);
        ASSERT_TRUE(theirs && notation::LegalMoves(position).Contains(*theirs)) << lines.back();
        position = notation::Play(position, *theirs);
    }
    EXPECT_EQ(xboard.Ask("ping 7", "pong").back(), "pong 7");
    xboard.Send("quit");
    xboard.child.Stop(5000);
    fs::remove_all(folder);
}

} // namespace
