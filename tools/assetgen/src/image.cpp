#include "image.h"

#include <cstdint>
#include <cstdio>
#include <memory>

#include <jpeglib.h>
#include <zlib.h>

namespace assetgen {

Image::Image(int width, int height, Vec3 fill)
    : width_(width), height_(height), pixels_(size_t(width) * height, fill),
      alpha_(size_t(width) * height, 1.0f) {}

unsigned char toByte(float v) {
    return static_cast<unsigned char>(std::lround(clamp01(v) * 255.0f));
}

std::vector<unsigned char> Image::rgb8() const {
    std::vector<unsigned char> out;
    out.reserve(pixels_.size() * 3);
    for (Vec3 p : pixels_) {
        out.push_back(toByte(p.x));
        out.push_back(toByte(p.y));
        out.push_back(toByte(p.z));
    }
    return out;
}

std::vector<unsigned char> Image::rgba8() const {
    std::vector<unsigned char> out;
    out.reserve(pixels_.size() * 4);
    for (size_t i = 0; i < pixels_.size(); ++i) {
        out.push_back(toByte(pixels_[i].x));
        out.push_back(toByte(pixels_[i].y));
        out.push_back(toByte(pixels_[i].z));
        out.push_back(toByte(alpha_[i]));
    }
    return out;
}

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

FilePtr openForWriting(const std::string& path) {
    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file) std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
    return file;
}

void putLe(std::vector<unsigned char>& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

void putBe32(std::vector<unsigned char>& out, uint32_t v) {
    for (int i = 3; i >= 0; --i) out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

bool writeAll(const std::string& path, const std::vector<unsigned char>& bytes) {
    FilePtr file = openForWriting(path);
    return file && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
}

} // namespace

bool writeBmp24(const Image& image, const std::string& path) {
    const int w = image.width(), h = image.height();
    const uint32_t rowBytes = (uint32_t(w) * 3 + 3) & ~3u;
    const uint32_t pixelBytes = rowBytes * uint32_t(h);
    std::vector<unsigned char> out;
    out.push_back('B');
    out.push_back('M');
    putLe(out, 54 + pixelBytes, 4);
    putLe(out, 0, 4);
    putLe(out, 54, 4);
    putLe(out, 40, 4);
    putLe(out, uint32_t(w), 4);
    putLe(out, uint32_t(h), 4);
    putLe(out, 1, 2);
    putLe(out, 24, 2);
    putLe(out, 0, 4); // uncompressed
    putLe(out, pixelBytes, 4);
    putLe(out, 2835, 4); // 72 dpi
    putLe(out, 2835, 4);
    putLe(out, 0, 4);
    putLe(out, 0, 4);
    for (int y = h - 1; y >= 0; --y) {
        const size_t rowStart = out.size();
        for (int x = 0; x < w; ++x) {
            Vec3 p = image.at(x, y);
            out.push_back(toByte(p.z));
            out.push_back(toByte(p.y));
            out.push_back(toByte(p.x));
        }
        out.resize(rowStart + rowBytes, 0);
    }
    return writeAll(path, out);
}

bool writeJpeg(const Image& image, const std::string& path, int quality) {
    FilePtr file = openForWriting(path);
    if (!file) return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file.get());
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    // Full-resolution chroma keeps the thin horizon and star colours clean.
    for (int c = 0; c < info.num_components; ++c)
        info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
    info.optimize_coding = TRUE;
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> rgb = image.rgb8();
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = &rgb[size_t(info.next_scanline) * size_t(image.width()) * 3];
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

namespace {

void putPngChunk(std::vector<unsigned char>& out, const char* type,
                 const std::vector<unsigned char>& data) {
    putBe32(out, uint32_t(data.size()));
    const size_t typeStart = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    uLong crc = crc32(0L, &out[typeStart], uInt(out.size() - typeStart));
    putBe32(out, uint32_t(crc));
}

} // namespace

bool writePng(const Image& image, const std::string& path) {
    const int w = image.width(), h = image.height();
    std::vector<unsigned char> rgba = image.rgba8();
    std::vector<unsigned char> raw;
    raw.reserve(size_t(h) * (size_t(w) * 4 + 1));
    for (int y = 0; y < h; ++y) {
        raw.push_back(0); // no filter
        auto row = rgba.begin() + ptrdiff_t(y) * w * 4;
        raw.insert(raw.end(), row, row + ptrdiff_t(w) * 4);
    }
    uLongf packedSize = compressBound(uLong(raw.size()));
    std::vector<unsigned char> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), uLong(raw.size()), 9) != Z_OK)
        return false;
    packed.resize(packedSize);

    std::vector<unsigned char> header;
    putBe32(header, uint32_t(w));
    putBe32(header, uint32_t(h));
    header.insert(header.end(), {8, 6, 0, 0, 0}); // 8-bit RGBA, deflate, no interlace

    std::vector<unsigned char> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    putPngChunk(out, "IHDR", header);
    putPngChunk(out, "IDAT", packed);
    putPngChunk(out, "IEND", {});
    return writeAll(path, out);
}

Image downsample(const Image& image, int factor) {
    Image out(image.width() / factor, image.height() / factor);
    const float norm = 1.0f / float(factor * factor);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            Vec3 colour;
            float alpha = 0;
            for (int sy = 0; sy < factor; ++sy)
                for (int sx = 0; sx < factor; ++sx) {
                    const int ix = x * factor + sx, iy = y * factor + sy;
                    const float a = image.alphaAt(ix, iy);
                    colour += image.at(ix, iy) * a; // premultiplied, so clear pixels add no colour
                    alpha += a;
                }
            out.at(x, y) = alpha > 0 ? colour / alpha : Vec3{};
            out.alphaAt(x, y) = alpha * norm;
        }
    return out;
}

} // namespace assetgen
