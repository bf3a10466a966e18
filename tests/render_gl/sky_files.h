#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

// A folder under the system's temporary directory, removed with its contents.
class CTempFolder {
public:
    CTempFolder();
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string String() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

// Writes a picture of one colour as a baseline JPEG; false on failure.
bool WriteSolidJpeg(const std::filesystem::path& path, int size, std::uint8_t r, std::uint8_t g,
                    std::uint8_t b);
