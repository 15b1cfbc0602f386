// Back-buffer reads and PNG files with libpng.
#include "screenshot.h"

#include <png.h>

#include <cstdio>

#include "gl_device.h"

namespace d3d9 {

namespace {

// libpng reports errors by longjmp; nothing here has a destructor to skip.
bool WriteRows(std::FILE* file, UINT width, UINT height, png_bytep* rows)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool ReadBackBuffer(IDirect3DDevice9* device, Picture* picture)
{
    auto* ours = dynamic_cast<GlDevice*>(device);
    return ours && picture && ours->ReadBackBuffer(&picture->width, &picture->height, &picture->pixels);
}

bool SavePng(const std::string& path, const Picture& picture)
{
    if (picture.width == 0 || picture.height == 0 ||
        picture.pixels.size() != size_t(picture.width) * picture.height)
        return false;
    std::vector<uint8_t> bytes(picture.pixels.size() * 4);
    for (size_t i = 0; i < picture.pixels.size(); ++i) {
        const uint32_t pixel = picture.pixels[i];
        bytes[4 * i + 0] = uint8_t(pixel >> 16);
        bytes[4 * i + 1] = uint8_t(pixel >> 8);
        bytes[4 * i + 2] = uint8_t(pixel);
        bytes[4 * i + 3] = uint8_t(pixel >> 24);
    }
    std::vector<png_bytep> rows(picture.height);
    for (UINT y = 0; y < picture.height; ++y) rows[y] = bytes.data() + size_t(y) * picture.width * 4;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = WriteRows(file, picture.width, picture.height, rows.data());
    return std::fclose(file) == 0 && written;
}

bool SaveScreenshot(IDirect3DDevice9* device, const std::string& path)
{
    Picture picture;
    return ReadBackBuffer(device, &picture) && SavePng(path, picture);
}

}  // namespace d3d9
