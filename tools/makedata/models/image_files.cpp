// PNG through libpng's simplified interface, JPEG through libjpeg; neither stores a time,
// so the same picture gives the same bytes.
#include <cstdio>
#include <memory>
#include <stdexcept>

#include <jpeglib.h>
#include <png.h>

#include "models/image.h"

namespace makedata {

namespace {

void WritePngPixels(int width, int height, png_uint_32 format, const void* pixels, const std::filesystem::path& file)
{
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(width);
    png.height = static_cast<png_uint_32>(height);
    png.format = format;
    if (!png_image_write_to_file(&png, file.c_str(), 0, pixels, 0, nullptr)) {
        throw std::runtime_error("cannot write " + file.string() + ": " + png.message);
    }
}

}  // namespace

void WritePng(const Image& image, const std::filesystem::path& file)
{
    WritePngPixels(image.width, image.height, PNG_FORMAT_RGB, image.rgb.data(), file);
}

void WritePngRgba(int width, int height, const std::vector<uint8_t>& rgba, const std::filesystem::path& file)
{
    WritePngPixels(width, height, PNG_FORMAT_RGBA, rgba.data(), file);
}

void WriteJpeg(const Image& image, const std::filesystem::path& file, int quality)
{
    std::unique_ptr<FILE, int (*)(FILE*)> out(std::fopen(file.c_str(), "wb"), std::fclose);
    if (!out) throw std::runtime_error("cannot write " + file.string());
    jpeg_compress_struct jpeg{};
    jpeg_error_mgr errors{};
    jpeg.err = jpeg_std_error(&errors);  // a failure reports and ends the generator
    jpeg_create_compress(&jpeg);
    jpeg_stdio_dest(&jpeg, out.get());
    jpeg.image_width = static_cast<JDIMENSION>(image.width);
    jpeg.image_height = static_cast<JDIMENSION>(image.height);
    jpeg.input_components = 3;
    jpeg.in_color_space = JCS_RGB;
    jpeg_set_defaults(&jpeg);
    jpeg_set_quality(&jpeg, quality, TRUE);
    jpeg_start_compress(&jpeg, TRUE);
    while (jpeg.next_scanline < jpeg.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(
            &image.rgb[static_cast<size_t>(jpeg.next_scanline) * static_cast<size_t>(image.width) * 3]);
        jpeg_write_scanlines(&jpeg, &row, 1);
    }
    jpeg_finish_compress(&jpeg);
    jpeg_destroy_compress(&jpeg);
    if (std::ferror(out.get())) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace makedata
