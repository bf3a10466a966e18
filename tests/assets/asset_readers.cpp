#include "asset_readers.h"

#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <iterator>

#include <jpeglib.h>

namespace asset_check {

std::vector<unsigned char> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

namespace {

uint32_t le(const std::vector<unsigned char>& f, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | f[at + size_t(i)];
    return v;
}

uint32_t be(const std::vector<unsigned char>& f, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v = (v << 8) | f[at + size_t(i)];
    return v;
}

} // namespace

std::optional<PictureInfo> readBmp(const std::vector<unsigned char>& f,
                                   std::vector<unsigned char>* rgb) {
    if (f.size() < 54 || f[0] != 'B' || f[1] != 'M') return std::nullopt;
    if (le(f, 14, 4) != 40 || le(f, 30, 4) != 0 || le(f, 10, 4) != 54) return std::nullopt;
    PictureInfo info{int32_t(le(f, 18, 4)), int32_t(le(f, 22, 4)), int(le(f, 28, 2))};
    if (info.width <= 0 || info.height <= 0 || info.bitsPerPixel != 24) return std::nullopt;
    const size_t row = (size_t(info.width) * 3 + 3) & ~size_t(3);
    if (f.size() != 54 + row * size_t(info.height) || le(f, 2, 4) != f.size()) return std::nullopt;
    if (rgb) {
        rgb->clear();
        for (int y = info.height - 1; y >= 0; --y)
            for (int x = 0; x < info.width; ++x) {
                const size_t at = 54 + row * size_t(y) + size_t(x) * 3;
                rgb->insert(rgb->end(), {f[at + 2], f[at + 1], f[at]});
            }
    }
    return info;
}

std::optional<PictureInfo> readPngHeader(const std::vector<unsigned char>& f) {
    static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (f.size() < 33 || !std::equal(kSignature, kSignature + 8, f.begin())) return std::nullopt;
    if (be(f, 8, 4) != 13 || std::string(f.begin() + 12, f.begin() + 16) != "IHDR")
        return std::nullopt;
    const int channels = f[25] == 6 ? 4 : f[25] == 2 ? 3 : 0;
    return PictureInfo{int(be(f, 16, 4)), int(be(f, 20, 4)), f[24] * channels};
}

std::optional<PictureInfo> readJpegFrame(const std::vector<unsigned char>& f) {
    if (f.size() < 4 || f[0] != 0xFF || f[1] != 0xD8) return std::nullopt;
    size_t at = 2;
    while (at + 4 <= f.size()) {
        if (f[at] != 0xFF) return std::nullopt;
        const unsigned char marker = f[at + 1];
        const size_t length = be(f, at + 2, 2);
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (at + 10 > f.size()) return std::nullopt;
            return PictureInfo{int(be(f, at + 7, 2)), int(be(f, at + 5, 2)), 8 * f[at + 9]};
        }
        at += 2 + length;
    }
    return std::nullopt;
}

namespace {

struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf back;
};

void failDecode(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->back, 1);
}

} // namespace

std::vector<unsigned char> decodeJpeg(const std::string& path, int& width, int& height) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return {};
    jpeg_decompress_struct info{};
    ErrorJump errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = failDecode;
    std::vector<unsigned char> pixels;
    if (setjmp(errors.back)) {
        jpeg_destroy_decompress(&info);
        std::fclose(file);
        return {};
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    width = int(info.output_width);
    height = int(info.output_height);
    pixels.resize(size_t(width) * size_t(height) * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = &pixels[size_t(info.output_scanline) * size_t(width) * 3];
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    return pixels;
}

std::optional<WaveInfo> readWave(const std::vector<unsigned char>& f) {
    if (f.size() < 12 || std::string(f.begin(), f.begin() + 4) != "RIFF" ||
        std::string(f.begin() + 8, f.begin() + 12) != "WAVE" || le(f, 4, 4) + 8 != f.size())
        return std::nullopt;
    WaveInfo info;
    bool haveFormat = false;
    for (size_t at = 12; at + 8 <= f.size();) {
        const std::string id(f.begin() + long(at), f.begin() + long(at) + 4);
        const size_t size = le(f, at + 4, 4);
        if (at + 8 + size > f.size()) return std::nullopt;
        if (id == "fmt " && size >= 16) {
            info.format = int(le(f, at + 8, 2));
            info.channels = int(le(f, at + 10, 2));
            info.rate = int(le(f, at + 12, 4));
            info.bits = int(le(f, at + 22, 2));
            haveFormat = true;
        } else if (id == "data" && haveFormat && info.bits == 16) {
            for (size_t i = 0; i + 1 < size; i += 2)
                info.samples.push_back(int16_t(le(f, at + 8 + i, 2)));
        }
        at += 8 + size + (size & 1);
    }
    if (!haveFormat) return std::nullopt;
    return info;
}

std::optional<MidiInfo> readMidi(const std::vector<unsigned char>& f) {
    if (f.size() < 22 || std::string(f.begin(), f.begin() + 4) != "MThd" || be(f, 4, 4) != 6)
        return std::nullopt;
    MidiInfo info;
    info.format = int(be(f, 8, 2));
    info.tracks = int(be(f, 10, 2));
    info.division = int(be(f, 12, 2));
    if (std::string(f.begin() + 14, f.begin() + 18) != "MTrk") return std::nullopt;
    info.trackBytes = be(f, 18, 4);
    const size_t end = 22 + size_t(info.trackBytes);
    if (end > f.size()) return std::nullopt;
    size_t at = 22;
    uint32_t tick = 0;
    uint8_t running = 0;
    while (at < end) {
        uint32_t delta = 0;
        for (int i = 0;; ++i) {
            if (at >= end || i == 4) return std::nullopt;
            const uint8_t b = f[at++];
            delta = (delta << 7) | (b & 0x7F);
            if (!(b & 0x80)) break;
        }
        tick += delta;
        if (at >= end) return std::nullopt;
        if (f[at] & 0x80) running = f[at++];
        if (!running) return std::nullopt;
        MidiEvent e{tick, running, 0, 0};
        const int high = running >> 4;
        const size_t need = high == 0xC || high == 0xD ? 1 : 2;
        if (at + need > end) return std::nullopt;
        e.data1 = f[at];
        e.data2 = need == 2 ? f[at + 1] : 0;
        if (running == 0xFF) {
            const size_t length = e.data2;
            if (at + 2 + length > end) return std::nullopt;
            if (e.data1 == 0x51 && length == 3) info.tempos.push_back(be(f, at + 2, 3));
            at += 2 + length;
            running = 0; // meta events cancel running status
        } else if (running >= 0xF0) {
            return std::nullopt; // no system messages expected in the tune
        } else {
            at += need;
        }
        info.endOfTrackLast = e.status == 0xFF && e.data1 == 0x2F;
        info.events.push_back(e);
    }
    return info;
}

} // namespace asset_check
