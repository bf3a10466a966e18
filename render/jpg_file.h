#pragma once

#include <cstdint>
#include <memory>
#include <string>

// A decoded JPEG picture, rows from the top down. Grey pictures keep one
// byte per pixel and a 256-entry grey palette (entry i = i, i, i, 0); all
// others three bytes per pixel, red, green, blue, rows width * 3 bytes apart.
class JPG_File {
public:
    JPG_File() = default;
    JPG_File(const JPG_File&) = delete;
    JPG_File& operator=(const JPG_File&) = delete;
    virtual ~JPG_File() = default;

    // Frees any earlier picture, then decodes. 1 on success; 0 on failure,
    // with libjpeg's message (or the loader's own) in LastError().
    int Load(const char* path);
    // Frees the picture (the last error text stays).
    void Free();

    bool Loaded() const { return loaded_; }
    std::uint32_t Width() const { return width_; }
    std::uint32_t Height() const { return height_; }
    // 1 for grey pictures, 3 for the rest.
    int BytesPerPixel() const { return palette_ ? 1 : 3; }
    const std::uint8_t* Palette() const { return palette_.get(); }
    const std::uint8_t* Pixels() const { return pixels_.get(); }
    std::uint8_t* Pixels() { return pixels_.get(); }
    const std::string& LastError() const { return lastError_; }

private:
    friend struct JpegDecoder;

    std::uint32_t width_ = 0;
    std::uint32_t height_ = 0;
    std::unique_ptr<std::uint8_t[]> palette_;
    std::unique_ptr<std::uint8_t[]> pixels_;
    bool loaded_ = false;
    std::string lastError_;
};
