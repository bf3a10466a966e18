#pragma once

#include <filesystem>
#include <string>

namespace assetgen {

// Where one run writes: the repository root, with the committed asset folders below it.
struct Output {
    std::filesystem::path root;

    std::string file(const std::filesystem::path& relative) const;
};

// Each group writes its files below the root; false when a file could not be written.
bool writeTextures(const Output& out);
bool writeEnvironments(const Output& out);
bool writeSounds(const Output& out);
bool writeMidiTune(const Output& out); // part of the sounds
bool writePictures(const Output& out);

} // namespace assetgen
