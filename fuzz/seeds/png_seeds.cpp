// Seeds of the PNG reader: the textures of DATA as written, a block of one written in the
// other colour types, bit depths and the interlaced order, and broken files.
#include <png.h>

#include <stdexcept>

#include "seed_files.h"

namespace seeds {

namespace {

constexpr size_t kSignatureAndHeader = 33;  // signature, then the whole IHDR chunk
constexpr size_t kWidthAt = 16;             // inside IHDR's data

struct Form {
    int colourType = PNG_COLOR_TYPE_RGB;
    int bitDepth = 8;
    bool interlaced = false;
    bool transparentKey = false;  // a tRNS chunk: a palette alpha, or one grey as transparent
};

void Append(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

// The samples of one pixel in the form's colour type, at 8 or 16 bits (16: the byte twice).
void PutPixel(Bytes& row, const Form& form, uint32_t pixel)
{
    const uint8_t r = uint8_t(pixel >> 16), g = uint8_t(pixel >> 8), b = uint8_t(pixel);
    const uint8_t grey = uint8_t((r + g + b) / 3);
    std::vector<uint8_t> samples;
    switch (form.colourType) {
    case PNG_COLOR_TYPE_GRAY: samples = {grey}; break;
    case PNG_COLOR_TYPE_GRAY_ALPHA: samples = {grey, r}; break;
    case PNG_COLOR_TYPE_RGB: samples = {r, g, b}; break;
    case PNG_COLOR_TYPE_RGB_ALPHA: samples = {r, g, b, grey}; break;
    default: samples = {uint8_t(grey >> (8 - form.bitDepth))}; break;  // palette index
    }
    for (uint8_t sample : samples) {
        row.push_back(sample);
        if (form.bitDepth == 16) row.push_back(sample);
    }
}

// Packs indices or greys below 8 bits, leftmost pixel in the high bits.
Bytes Pack(const Bytes& samples, int bitDepth)
{
    if (bitDepth >= 8) return samples;
    Bytes packed;
    uint32_t bits = 0, used = 0;
    for (uint8_t sample : samples) {
        bits = bits << bitDepth | (sample & ((1u << bitDepth) - 1));
        used += uint32_t(bitDepth);
        if (used == 8) packed.push_back(uint8_t(bits)), bits = used = 0;
    }
    if (used > 0) packed.push_back(uint8_t(bits << (8 - used)));
    return packed;
}

Bytes Encode(const Picture& picture, const Form& form)
{
    std::vector<Bytes> rows;
    for (uint32_t y = 0; y < picture.height; ++y) {
        Bytes row;
        for (uint32_t x = 0; x < picture.width; ++x) {
            uint32_t pixel = picture.pixels[size_t(y) * picture.width + x];
            if (form.colourType == PNG_COLOR_TYPE_GRAY && form.bitDepth < 8) {
                const uint32_t grey = ((pixel >> 16 & 0xFF) + (pixel >> 8 & 0xFF) + (pixel & 0xFF)) / 3;
                row.push_back(uint8_t(grey >> (8 - form.bitDepth)));
            } else {
                PutPixel(row, form, pixel);
            }
        }
        rows.push_back(Pack(row, form.bitDepth));
    }

    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) throw std::runtime_error("libpng");
    Bytes out;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("libpng could not write a seed");
    }
    png_set_write_fn(png, &out, Append, nullptr);
    png_set_IHDR(png, info, picture.width, picture.height, form.bitDepth, form.colourType,
                 form.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> palette;
    std::vector<png_byte> alphas;
    if (form.colourType == PNG_COLOR_TYPE_PALETTE) {
        const int count = 1 << form.bitDepth;
        for (int i = 0; i < count; ++i) {
            const auto level = png_byte(i * 255 / (count - 1));
            palette.push_back({level, png_byte(255 - level), level});
            alphas.push_back(png_byte(255 - i));
        }
        png_set_PLTE(png, info, palette.data(), count);
    }
    if (form.transparentKey) {
        png_color_16 key{};
        if (form.colourType == PNG_COLOR_TYPE_PALETTE)
            png_set_tRNS(png, info, alphas.data(), int(alphas.size()), nullptr);
        else
            png_set_tRNS(png, info, nullptr, 0, &key);
    }
    std::vector<png_bytep> pointers;
    for (Bytes& row : rows) pointers.push_back(row.data());
    png_set_rows(png, info, pointers.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

}  // namespace

void WritePngSeeds(const std::filesystem::path& data, const std::filesystem::path& corpus)
{
    for (const auto& entry : std::filesystem::directory_iterator(data / "XFILE"))
        if (entry.path().extension() == ".png") Write(corpus, entry.path().filename().string(), ReadFile(entry.path()));

    const Picture picture = Crop(data / "XFILE" / "enemy0.png", 20, 20, 9, 7);
    const std::vector<std::pair<const char*, Form>> forms = {
        {"rgb8", {}},
        {"rgb16", {.bitDepth = 16}},
        {"rgba8-interlaced", {.colourType = PNG_COLOR_TYPE_RGB_ALPHA, .interlaced = true}},
        {"grey1", {.colourType = PNG_COLOR_TYPE_GRAY, .bitDepth = 1}},
        {"grey4-key", {.colourType = PNG_COLOR_TYPE_GRAY, .bitDepth = 4, .transparentKey = true}},
        {"grey-alpha16", {.colourType = PNG_COLOR_TYPE_GRAY_ALPHA, .bitDepth = 16}},
        {"palette2", {.colourType = PNG_COLOR_TYPE_PALETTE, .bitDepth = 2}},
        {"palette8-alpha-interlaced",
         {.colourType = PNG_COLOR_TYPE_PALETTE, .bitDepth = 8, .interlaced = true, .transparentKey = true}},
        {"rgb8-key", {.transparentKey = true}},
    };
    for (const auto& [name, form] : forms) Write(corpus, std::string(name) + ".png", Encode(picture, form));

    const Bytes plain = Encode(picture, {});
    WriteCuts(corpus, "rgb8.png", plain, kSignatureAndHeader);
    Write(corpus, "header-crc.png", Patched(plain, 29, {0x00, 0x00}));
    Write(corpus, "zero-width.png", Patched(plain, kWidthAt, {0, 0, 0, 0}));
    Write(corpus, "wide.png", Patched(plain, kWidthAt, {0x7F, 0xFF, 0xFF, 0xFF}));
    // The image data's first deflate bytes spoiled (CRC left as it was).
    Write(corpus, "data-spoiled.png", Patched(plain, kSignatureAndHeader + 10, {0xFF, 0xFF, 0xFF}));
}

}  // namespace seeds
