// JPG_File::Load on arbitrary files. A refused file leaves no picture and
// says why; a loaded one has an acceptable size and every byte of its rows
// and palette can be read.
#include "fuzz/fuzz_support.h"
#include "render/image_limits.h"
#include "render/jpg_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    JPG_File picture;
    if (!picture.Load(fuzz::WriteInputFile(data, size, "picture.jpg").c_str())) {
        if (picture.Loaded() || picture.Pixels()) fuzz::Fail("a refused picture is loaded");
        if (picture.LastError().empty()) fuzz::Fail("a refused picture gives no reason");
        return 0;
    }
    if (!picture.Loaded() || !picture.Pixels() ||
        !ImageSizeAcceptable(picture.Width(), picture.Height()))
        fuzz::Fail("a loaded picture has no acceptable size");
    unsigned sum = 0;
    const size_t bytes = size_t(picture.Width()) * picture.Height() * picture.BytesPerPixel();
    for (size_t i = 0; i < bytes; ++i) sum += picture.Pixels()[i];
    if (const uint8_t* palette = picture.Palette())
        for (int i = 0; i < 256 * 4; ++i) sum += palette[i];
    volatile unsigned keep = sum;
    (void)keep;
    return 0;
}
