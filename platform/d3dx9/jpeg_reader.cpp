// JPEG pictures through libjpeg: baseline and progressive, colour or greyscale (CMYK is
// refused). libjpeg reports errors through its error manager, which here jumps back to the
// decode instead of ending the program; the frame that sets the jump point holds no object
// with a destructor. A file cut short fails instead of being padded with grey.
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

#include <bit>
#include <csetjmp>

#include "image.h"

static_assert(std::endian::native == std::endian::little, "B, G, R, A bytes are read as one 0xAARRGGBB word");

namespace d3dx9 {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;  // first, so that libjpeg's pointer to it is a pointer to the whole
    std::jmp_buf jump;
};

[[noreturn]] void Fail(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1); }

// Warnings are kept quiet, except the end of the data arriving early.
void Warn(j_common_ptr info, int level)
{
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) Fail(info);
}

void Quiet(j_common_ptr) {}

bool Read(jpeg_decompress_struct& info, ErrorManager& errors, const uint8_t* data, size_t size, Image& image)
{
    if (setjmp(errors.jump)) return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
    if (!ImageSizeAllowed(info.image_width, info.image_height)) return false;
    info.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&info);
    if (info.output_components != 4) return false;

    image.width = info.output_width;
    image.height = info.output_height;
    image.format = D3DXIFF_JPG;
    image.pixels.assign(size_t(image.width) * image.height, 0);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(&image.pixels[size_t(info.output_scanline) * image.width]);
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

}  // namespace

bool DecodeJpeg(const uint8_t* data, size_t size, Image& image)
{
    if (size < 3) return false;
    jpeg_decompress_struct info{};  // all zero, so that destroying it is safe before it is made
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = Fail;
    errors.base.emit_message = Warn;
    errors.base.output_message = Quiet;
    bool decoded = Read(info, errors, data, size, image);
    jpeg_destroy_decompress(&info);
    return decoded;
}

}  // namespace d3dx9
