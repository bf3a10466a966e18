#include "render_gl/sky_files.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

CTempFolder::CTempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tavlion-sky-XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern;
}

CTempFolder::~CTempFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

bool WriteSolidJpeg(const std::filesystem::path& path, int size, std::uint8_t r, std::uint8_t g,
                    std::uint8_t b) {
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
    if (!file) return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = JDIMENSION(size);
    info.image_height = JDIMENSION(size);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(std::size_t(size) * 3);
    for (int x = 0; x < size; ++x) row[3 * x] = r, row[3 * x + 1] = g, row[3 * x + 2] = b;
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}
