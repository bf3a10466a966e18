#include "platform/fluid_synth_device.h"
#include "platform/midi_mapper.h"
#include "platform/midi_out.h"
#include "recording_device.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

using namespace midi::testing;

constexpr char kSystemSoundFonts[] = "/usr/share/sounds/sf2";

float Peak(const std::vector<float>& samples) {
    float peak = 0;
    for (float s : samples) peak = std::max(peak, std::fabs(s));
    return peak;
}

std::vector<float> Render(platform::FluidSynthDevice& synth, int frames) {
    std::vector<float> samples(2 * frames);
    synth.Render(samples.data(), frames);
    return samples;
}

TEST(FluidSynthDevice, ANoteSoundsAndStopsAfterReset) {
    const std::string soundFont = platform::FindSoundFont(kSystemSoundFonts);
    ASSERT_FALSE(soundFont.empty());
    auto synth = platform::FluidSynthDevice::Create(soundFont, 44100);
    ASSERT_TRUE(synth);
    EXPECT_LT(Peak(Render(*synth, 4410)), 1e-4f);
    synth->ShortMessage(0x00C0); // piano on channel 0
    synth->ShortMessage(0x7F3C90);
    EXPECT_GT(Peak(Render(*synth, 4410)), 0.01f);
    synth->Reset();
    Render(*synth, 44100); // the reverberation dies away
    EXPECT_LT(Peak(Render(*synth, 4410)), 1e-3f);
}

TEST(FluidSynthDevice, AMissingSoundFontFailsToOpen) {
    EXPECT_FALSE(platform::FluidSynthDevice::Create("/nonexistent/none.sf2", 44100));
}

TEST(SoundFonts, ThePreferredOneOrAnyOther) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "tonmark_sf2";
    fs::remove_all(dir);
    fs::create_directories(dir);
    EXPECT_EQ(platform::FindSoundFont(dir.string()), "");
    std::ofstream(dir / "b.sf2") << "x";
    std::ofstream(dir / "a.sf2") << "x";
    std::ofstream(dir / "c.txt") << "x";
    EXPECT_EQ(platform::FindSoundFont(dir.string()), (dir / "a.sf2").string());
    std::ofstream(dir / "TimGM6mb.sf2") << "x";
    EXPECT_EQ(platform::FindSoundFont(dir.string()), (dir / "TimGM6mb.sf2").string());
    fs::remove_all(dir);
}

TEST(MidiOut, TheMapperOpensOnlyWithASoundFont) {
    platform::MidiOutHandle handle{};
    ASSERT_EQ(platform::MidiOutOpen(&handle, platform::kMidiMapper), platform::kMidiOk);
    EXPECT_NE(handle, platform::kNoMidiOut);
    EXPECT_EQ(platform::MidiOutShortMsg(handle, 0x7F3C90), platform::kMidiOk);
    EXPECT_EQ(platform::MidiOutClose(handle), platform::kMidiOk);

    platform::SetSoundFontDirectory("/nonexistent");
    platform::MidiOutHandle none{};
    EXPECT_EQ(platform::MidiOutOpen(&none, platform::kMidiMapper), platform::kMidiError);
    EXPECT_EQ(none, platform::kNoMidiOut);
    platform::SetSoundFontDirectory(kSystemSoundFonts);
    EXPECT_EQ(platform::MidiOutOpen(&none, 3), platform::kMidiBadDeviceId);
}

TEST(MidiOut, AClosedHandleStaysClosed) {
    RecordingOutput output;
    const auto handle = output.handle;
    EXPECT_EQ(platform::MidiOutShortMsg(handle, 0x90), platform::kMidiOk);
    EXPECT_EQ(platform::MidiOutClose(handle), platform::kMidiOk);
    EXPECT_EQ(platform::MidiOutShortMsg(handle, 0x90), platform::kMidiInvalidHandle);
    EXPECT_EQ(platform::MidiOutClose(handle), platform::kMidiInvalidHandle);
    EXPECT_EQ(output.device->messages().size(), 1u);

    RecordingOutput next;
    EXPECT_NE(next.handle, handle);
}

} // namespace
