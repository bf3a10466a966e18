// BMP_File::Load on arbitrary files. A loaded picture has a size the loaders
// accept and every one of its pixels can be read.
#include "fuzz/fuzz_support.h"
#include "render/bmp_file.h"
#include "render/image_limits.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    BMP_File picture;
    if (!picture.Load(fuzz::WriteInputFile(data, size, "picture.bmp").c_str())) {
        if (picture.Width() != 0 || picture.Height() != 0 || picture.Pixels())
            fuzz::Fail("a refused picture is not empty");
        return 0;
    }
    if (!ImageSizeAcceptable(picture.Width(), picture.Height()) || !picture.Pixels())
        fuzz::Fail("a loaded picture has no acceptable size");
    unsigned sum = 0;
    const mColor_24* pixels = picture.Pixels();
    for (int64_t i = 0, n = int64_t(picture.Width()) * picture.Height(); i < n; ++i)
        sum += pixels[i].r + pixels[i].g + pixels[i].b;
    sum += picture.Pixel(-1, 0)->r + picture.Pixel(picture.Width(), picture.Height())->g;
    volatile unsigned keep = sum;
    (void)keep;
    return 0;
}
