#include "render/jpg_file.h"

#include "render/file.h"
#include "render/image_limits.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>

#include <jpeglib.h>

// jerror.h builds on jpeglib.h.
#include <jerror.h>

namespace {

constexpr std::size_t kBlockSize = 4096;
constexpr const char* kNoMemory = "The file could not be saved because of insufficient memory.";

// The standard error manager, except that a fatal error keeps its message
// and jumps back into the decoder instead of ending the process.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void FatalError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Reads the stream in blocks; past its end supplies a fake end-of-image
// marker (a warning), or fails when the file held nothing at all.
struct BlockSource {
    jpeg_source_mgr pub;
    std::FILE* stream;
    bool startOfFile;
    JOCTET buffer[kBlockSize];
};

void InitSource(j_decompress_ptr cinfo) {
    reinterpret_cast<BlockSource*>(cinfo->src)->startOfFile = true;
}

boolean FillInputBuffer(j_decompress_ptr cinfo) {
    auto* src = reinterpret_cast<BlockSource*>(cinfo->src);
    std::size_t n = std::fread(src->buffer, 1, kBlockSize, src->stream);
    if (n == 0) {
        if (src->startOfFile) ERREXIT(cinfo, JERR_INPUT_EMPTY);
        WARNMS(cinfo, JWRN_JPEG_EOF);
        src->buffer[0] = 0xFF;
        src->buffer[1] = JPEG_EOI;
        n = 2;
    }
    src->pub.next_input_byte = src->buffer;
    src->pub.bytes_in_buffer = n;
    src->startOfFile = false;
    return TRUE;
}

void SkipInputData(j_decompress_ptr cinfo, long count) {
    jpeg_source_mgr* src = cinfo->src;
    if (count <= 0) return;
    while (count > long(src->bytes_in_buffer)) {
        count -= long(src->bytes_in_buffer);
        FillInputBuffer(cinfo);
    }
    src->next_input_byte += count;
    src->bytes_in_buffer -= std::size_t(count);
}

void TermSource(j_decompress_ptr) {}

} // namespace

// Holds only plain records: it runs under setjmp, and a fatal error skips
// every frame between libjpeg and here.
struct JpegDecoder {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    BlockSource src;

    int Decode(JPG_File& image, std::FILE* stream) {
        cinfo.err = jpeg_std_error(&err.pub);
        err.pub.error_exit = FatalError;
        err.message[0] = 0;
        if (setjmp(err.jump)) {
            jpeg_destroy_decompress(&cinfo);
            image.lastError_ = err.message[0] ? err.message : "JPEG decoding failed";
            return 0;
        }
        jpeg_create_decompress(&cinfo);
        src.pub.init_source = InitSource;
        src.pub.fill_input_buffer = FillInputBuffer;
        src.pub.skip_input_data = SkipInputData;
        src.pub.resync_to_restart = jpeg_resync_to_restart;
        src.pub.term_source = TermSource;
        src.pub.bytes_in_buffer = 0;
        src.pub.next_input_byte = nullptr;
        src.stream = stream;
        cinfo.src = &src.pub;

        jpeg_read_header(&cinfo, TRUE);
        // Refused before decompression starts: a progressive file would make
        // the library reserve the whole picture first.
        if (!ImageSizeAcceptable(cinfo.image_width, cinfo.image_height)) {
            jpeg_destroy_decompress(&cinfo);
            image.lastError_ = kNoMemory;
            return 0;
        }
        jpeg_start_decompress(&cinfo);
        image.width_ = cinfo.output_width;
        image.height_ = cinfo.output_height;
        const std::size_t rowSamples = std::size_t(cinfo.output_width) * cinfo.output_components;
        JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo),
                                                    JPOOL_IMAGE, JDIMENSION(rowSamples), 1);
        if (!Allocate(image)) {
            jpeg_destroy_decompress(&cinfo);
            image.lastError_ = kNoMemory;
            return 0;
        }
        std::uint8_t* out = image.pixels_.get();
        while (cinfo.output_scanline < cinfo.output_height) {
            jpeg_read_scanlines(&cinfo, row, 1);
            const JSAMPLE* in = row[0];
            if (cinfo.out_color_space == JCS_GRAYSCALE || cinfo.out_color_space == JCS_RGB) {
                std::memcpy(out, in, rowSamples);
                out += rowSamples;
            } else if (cinfo.out_color_space == JCS_CMYK) {
                for (JDIMENSION x = 0; x < cinfo.output_width; ++x, in += 4) {
                    const int under = 255 - in[3];
                    for (int c = 0; c < 3; ++c) *out++ = std::uint8_t(std::max(0, in[c] - under));
                }
            } else {
                break; // finishing early fails the load
            }
        }
        jpeg_finish_decompress(&cinfo);
        jpeg_destroy_decompress(&cinfo);
        return 1;
    }

    bool Allocate(JPG_File& image) {
        if (!ImageSizeAcceptable(image.width_, image.height_)) return false;
        const std::size_t pixels = std::size_t(image.width_) * image.height_;
        if (cinfo.out_color_space == JCS_GRAYSCALE) {
            image.palette_.reset(new (std::nothrow) std::uint8_t[256 * 4]);
            if (!image.palette_) return false;
            for (int i = 0; i < 256; ++i) {
                std::uint8_t* entry = &image.palette_[4 * i];
                entry[0] = entry[1] = entry[2] = std::uint8_t(i);
                entry[3] = 0;
            }
            image.pixels_.reset(new (std::nothrow) std::uint8_t[pixels]);
        } else {
            image.pixels_.reset(new (std::nothrow) std::uint8_t[pixels * 4]);
        }
        return image.pixels_ != nullptr;
    }
};

int JPG_File::Load(const char* path) {
    Free();
    lastError_.clear();
    File file;
    if (!file.Open(path, "rb")) return 0;
    auto decoder = std::make_unique<JpegDecoder>();
    const int decoded = decoder->Decode(*this, file.Stream());
    if (!decoded || !lastError_.empty()) {
        Free();
        return 0;
    }
    loaded_ = true;
    return 1;
}

void JPG_File::Free() {
    palette_.reset();
    pixels_.reset();
    width_ = height_ = 0;
    loaded_ = false;
}
