#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Small independent readers of the data files the game ships, for checking them.
namespace asset_check {

std::vector<unsigned char> readFile(const std::string& path);

struct PictureInfo {
    int width = 0, height = 0, bitsPerPixel = 0;
};

// 24-bit uncompressed bottom-up BMP: header fields and, when wanted, pixels (RGB, top row first).
std::optional<PictureInfo> readBmp(const std::vector<unsigned char>& file,
                                   std::vector<unsigned char>* rgb = nullptr);
std::optional<PictureInfo> readPngHeader(const std::vector<unsigned char>& file);
// Size from the start-of-frame marker, found by walking the marker segments.
std::optional<PictureInfo> readJpegFrame(const std::vector<unsigned char>& file);
// Full decode through libjpeg; empty when the data is corrupt.
std::vector<unsigned char> decodeJpeg(const std::string& path, int& width, int& height);

struct WaveInfo {
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<int16_t> samples;
};
std::optional<WaveInfo> readWave(const std::vector<unsigned char>& file);

struct MidiEvent {
    uint32_t tick;
    uint8_t status, data1, data2;
};
struct MidiInfo {
    int format = 0, tracks = 0, division = 0;
    uint32_t trackBytes = 0;
    std::vector<MidiEvent> events; // of the first track; meta events keep type and length
    std::vector<uint32_t> tempos;  // microseconds per quarter, in order
    bool endOfTrackLast = false;
};
// Decodes the header and the first track with running status; empty on malformed data.
std::optional<MidiInfo> readMidi(const std::vector<unsigned char>& file);

} // namespace asset_check
