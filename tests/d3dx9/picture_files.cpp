// Writers for the test pictures: BMP by hand, PNG with libpng, JPEG with libjpeg.
#include "d3dx9/picture_files.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>
#include <jpeglib.h>
#include <png.h>

#include <filesystem>
#include <fstream>

namespace {

void Put16(Bytes& out, uint32_t v)
{
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}
void Put32(Bytes& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

}  // namespace

Bytes MakeBmp(const BmpSpec& spec)
{
    Bytes header;
    Put32(header, spec.headerSize);
    if (spec.headerSize == 12) {
        Put16(header, uint32_t(spec.width));
        Put16(header, uint32_t(spec.height));
        Put16(header, 1);
        Put16(header, spec.bitCount);
    } else {
        Put32(header, uint32_t(spec.width));
        Put32(header, uint32_t(spec.height));
        Put16(header, 1);
        Put16(header, spec.bitCount);
        Put32(header, spec.compression);
        Put32(header, uint32_t(spec.data.size()));
        Put32(header, 2835);
        Put32(header, 2835);
        Put32(header, uint32_t(spec.palette.size()));
        Put32(header, 0);
        for (uint32_t mask : spec.masks) Put32(header, mask);
        header.resize(std::max<size_t>(header.size(), spec.headerSize), 0);
    }
    for (uint32_t colour : spec.palette) {
        header.push_back(uint8_t(colour));
        header.push_back(uint8_t(colour >> 8));
        header.push_back(uint8_t(colour >> 16));
        if (spec.headerSize != 12) header.push_back(0);
    }
    Bytes file = {'B', 'M'};
    uint32_t offset = uint32_t(14 + header.size());
    Put32(file, uint32_t(offset + spec.data.size()));
    Put32(file, 0);
    Put32(file, offset);
    file.insert(file.end(), header.begin(), header.end());
    file.insert(file.end(), spec.data.begin(), spec.data.end());
    return file;
}

Bytes Bgr24Rows(int width, const std::vector<std::vector<uint32_t>>& rowsTopFirst)
{
    Bytes data;
    for (auto row = rowsTopFirst.rbegin(); row != rowsTopFirst.rend(); ++row) {
        for (int x = 0; x < width; ++x) {
            uint32_t colour = (*row)[x];
            data.insert(data.end(), {uint8_t(colour), uint8_t(colour >> 8), uint8_t(colour >> 16)});
        }
        while (data.size() % 4) data.push_back(0);
    }
    return data;
}

namespace {

void AppendToBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

}  // namespace

Bytes MakePng(const PngSpec& spec)
{
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, AppendToBytes, nullptr);
    png_set_IHDR(png, info, spec.width, spec.height, spec.bitDepth, spec.colourType,
                 spec.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> palette;
    for (uint32_t colour : spec.palette)
        palette.push_back({png_byte(colour >> 16), png_byte(colour >> 8), png_byte(colour)});
    if (!palette.empty()) png_set_PLTE(png, info, palette.data(), int(palette.size()));
    png_color_16 colour{};
    if (spec.transparentColour.size() == 1) colour.gray = spec.transparentColour[0];
    if (spec.transparentColour.size() == 3) {
        colour.red = spec.transparentColour[0];
        colour.green = spec.transparentColour[1];
        colour.blue = spec.transparentColour[2];
    }
    if (!spec.paletteAlpha.empty() || !spec.transparentColour.empty())
        png_set_tRNS(png, info, spec.paletteAlpha.empty() ? nullptr : spec.paletteAlpha.data(),
                     int(spec.paletteAlpha.size()), &colour);
    png_write_info(png, info);
    if (spec.bitDepth == 16) png_set_swap(png);  // our rows hold 16-bit samples little-endian
    size_t rowBytes = spec.rows.size() / spec.height;
    std::vector<png_bytep> rows;
    Bytes copy = spec.rows;
    for (uint32_t y = 0; y < spec.height; ++y) rows.push_back(copy.data() + y * rowBytes);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

Bytes MakeJpeg(int width, int height, int components, bool progressive, const Bytes& samples)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = components;
    info.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    if (progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(samples.data() + size_t(info.next_scanline) * width * components);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    Bytes out(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}

namespace {

// One folder per test process, so that test programs running side by side never share a
// file; removed when the process ends.
struct TempFolder {
    std::filesystem::path path =
        std::filesystem::path(::testing::TempDir()) / ("veltrane-pictures-" + std::to_string(getpid()));
    TempFolder() { std::filesystem::create_directories(path); }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

}  // namespace

std::string WriteTempFile(const std::string& name, const Bytes& bytes)
{
    static TempFolder folder;
    std::string path = (folder.path / name).string();
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path;
}
