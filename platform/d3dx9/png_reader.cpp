// PNG pictures through libpng: every colour type and bit depth, interlaced or not, with
// transparency from an alpha channel or a tRNS chunk. libpng reports errors by a long jump,
// so the frame that sets the jump point holds no object with a destructor.
#include <png.h>

#include <bit>
#include <csetjmp>
#include <cstring>

#include "image.h"
#include "resources.h"

static_assert(std::endian::native == std::endian::little, "B, G, R, A bytes are read as one 0xAARRGGBB word");

namespace d3dx9 {

namespace {

struct Source {
    const uint8_t* data;
    size_t size;
    size_t at;
};

void ReadFromSource(png_structp png, png_bytep out, png_size_t length)
{
    Source& source = *static_cast<Source*>(png_get_io_ptr(png));
    if (source.size - source.at < length) png_error(png, "cut off");
    std::memcpy(out, source.data + source.at, length);
    source.at += length;
}

[[noreturn]] void Fail(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void Ignore(png_structp, png_const_charp) {}

// What must outlive the jump point: freed by the caller whether the decode succeeded or not.
struct Decoder {
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::vector<png_bytep> rows;
};

// Asks libpng for B, G, R, A bytes of 8 bits whatever the file holds.
void RequestBgra(png_structp png, png_infop info)
{
    int colourType = png_get_color_type(png, info);
    int bitDepth = png_get_bit_depth(png, info);
    if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (colourType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
    if (bitDepth == 16) png_set_scale_16(png);
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
}

bool Read(Decoder& decoder, Source& source, Image& image)
{
    png_structp png = decoder.png;
    png_infop info = decoder.info;
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_read_fn(png, &source, ReadFromSource);
    png_set_user_limits(png, d3d9::kMaxTextureSide, d3d9::kMaxTextureSide);
    png_read_info(png, info);
    uint32_t width = png_get_image_width(png, info);
    uint32_t height = png_get_image_height(png, info);
    if (!ImageSizeAllowed(width, height)) return false;
    // Deflate shrinks data at most 1032 times: a file too short for the claimed pixels is
    // refused before their memory is taken.
    uint64_t pixelBits = uint64_t(width) * height * png_get_channels(png, info) * png_get_bit_depth(png, info);
    if (uint64_t(source.size) * 1032 * 8 < pixelBits) return false;
    RequestBgra(png, info);
    if (png_get_rowbytes(png, info) != size_t(width) * 4) return false;

    image.width = width;
    image.height = height;
    image.format = D3DXIFF_PNG;
    image.pixels.assign(size_t(width) * height, 0);
    decoder.rows.resize(height);
    for (uint32_t y = 0; y < height; ++y)
        decoder.rows[y] = reinterpret_cast<png_bytep>(&image.pixels[size_t(y) * width]);
    png_read_image(png, decoder.rows.data());
    png_read_end(png, nullptr);
    return true;
}

}  // namespace

bool DecodePng(const uint8_t* data, size_t size, Image& image)
{
    if (size < 8 || png_sig_cmp(data, 0, 8) != 0) return false;
    Decoder decoder;
    decoder.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, Ignore);
    if (!decoder.png) return false;
    decoder.info = png_create_info_struct(decoder.png);
    Source source{data, size, 0};
    bool decoded = decoder.info && Read(decoder, source, image);
    png_destroy_read_struct(&decoder.png, decoder.info ? &decoder.info : nullptr, nullptr);
    return decoded;
}

}  // namespace d3dx9
