// Seeds of the BMP reader: a block of the game's sprite sheet written in every form the
// reader takes (header versions, bit depths, palettes, bit masks, run-length encoding,
// both row orders), and broken files.
#include "seed_files.h"

namespace seeds {

namespace {

constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3;
constexpr size_t kFileHeaderBytes = 14;

uint8_t Red(uint32_t pixel) { return uint8_t(pixel >> 16); }
uint8_t Green(uint32_t pixel) { return uint8_t(pixel >> 8); }
uint8_t Blue(uint32_t pixel) { return uint8_t(pixel); }
uint8_t Grey(uint32_t pixel) { return uint8_t((Red(pixel) + Green(pixel) + Blue(pixel)) / 3); }
// 3-3-2 colour cube index, for the 256-colour palette below.
uint8_t CubeIndex(uint32_t pixel) { return uint8_t((Red(pixel) & 0xE0) | (Green(pixel) >> 3 & 0x1C) | Blue(pixel) >> 6); }

struct Form {
    uint32_t headerBytes = 40;  // 12: the OS/2 core header
    uint16_t bitCount = 24;
    uint32_t compression = kRgb;
    bool topDown = false;
    std::vector<uint32_t> masks;  // written after a 40-byte header, or inside a longer one
};

// Palette of 2^bits entries: the 3-3-2 cube for 8 bits, greys otherwise.
Bytes Palette(const Form& form)
{
    Bytes palette;
    const uint32_t count = 1u << form.bitCount;
    for (uint32_t i = 0; i < count; ++i) {
        uint8_t r, g, b;
        if (form.bitCount == 8) {
            r = uint8_t(i & 0xE0), g = uint8_t(i << 3 & 0xE0), b = uint8_t(i << 6 & 0xC0);
        } else {
            r = g = b = uint8_t(i * 255 / (count - 1));
        }
        palette.insert(palette.end(), {b, g, r});
        if (form.headerBytes != 12) palette.push_back(0);
    }
    return palette;
}

uint32_t Index(const Form& form, uint32_t pixel)
{
    return form.bitCount == 8 ? CubeIndex(pixel) : Grey(pixel) >> (8 - form.bitCount);
}

void PutRow(Bytes& out, const Form& form, const uint32_t* row, uint32_t width)
{
    const size_t start = out.size();
    if (form.bitCount <= 8) {
        uint32_t bits = 0, used = 0;
        for (uint32_t x = 0; x < width; ++x) {
            bits = bits << form.bitCount | Index(form, row[x]);
            used += form.bitCount;
            if (used == 8) out.push_back(uint8_t(bits)), bits = used = 0;
        }
        if (used > 0) out.push_back(uint8_t(bits << (8 - used)));
    } else {
        for (uint32_t x = 0; x < width; ++x) {
            const uint32_t p = row[x];
            if (form.bitCount == 16 && form.compression == kBitfields)
                Put16(out, uint32_t(Red(p) >> 3) << 11 | uint32_t(Green(p) >> 2) << 5 | Blue(p) >> 3);
            else if (form.bitCount == 16)
                Put16(out, uint32_t(Red(p) >> 3) << 10 | uint32_t(Green(p) >> 3) << 5 | Blue(p) >> 3);
            else if (form.bitCount == 24)
                out.insert(out.end(), {Blue(p), Green(p), Red(p)});
            else
                Put32(out, p & 0x7FFFFFFF);  // half-transparent alpha where a mask reads it
        }
    }
    while ((out.size() - start) % 4 != 0) out.push_back(0);
}

// Runs of equal indices, a row at a time, then the end-of-picture mark.
void PutRunLength(Bytes& out, const Form& form, const uint32_t* row, uint32_t width, bool last)
{
    for (uint32_t x = 0; x < width;) {
        const uint32_t index = Index(form, row[x]);
        uint32_t run = 1;
        while (x + run < width && run < 255 && Index(form, row[x + run]) == index) ++run;
        out.insert(out.end(), {uint8_t(run), uint8_t(form.compression == kRle4 ? index << 4 | index : index)});
        x += run;
    }
    out.insert(out.end(), {0, uint8_t(last ? 1 : 0)});
}

Bytes Encode(const Picture& picture, const Form& form)
{
    Bytes pixels;
    for (uint32_t i = 0; i < picture.height; ++i) {
        const uint32_t y = form.topDown ? i : picture.height - 1 - i;
        const uint32_t* row = &picture.pixels[size_t(y) * picture.width];
        if (form.compression == kRle8 || form.compression == kRle4)
            PutRunLength(pixels, form, row, picture.width, i + 1 == picture.height);
        else
            PutRow(pixels, form, row, picture.width);
    }
    const Bytes palette = form.bitCount <= 8 ? Palette(form) : Bytes();
    const bool masksApart = form.headerBytes == 40 && !form.masks.empty();
    const size_t offset = kFileHeaderBytes + form.headerBytes + (masksApart ? 4 * form.masks.size() : 0) + palette.size();

    Bytes file;
    Put(file, "BM");
    Put32(file, uint32_t(offset + pixels.size()));
    Put32(file, 0);
    Put32(file, uint32_t(offset));
    Put32(file, form.headerBytes);
    const uint32_t height = form.topDown ? uint32_t(-int32_t(picture.height)) : picture.height;
    if (form.headerBytes == 12) {
        Put16(file, picture.width), Put16(file, height), Put16(file, 1), Put16(file, form.bitCount);
    } else {
        Put32(file, picture.width), Put32(file, height), Put16(file, 1), Put16(file, form.bitCount);
        Put32(file, form.compression);
        Put32(file, uint32_t(pixels.size()));
        Put32(file, 2835), Put32(file, 2835), Put32(file, 0), Put32(file, 0);
        for (uint32_t mask : form.masks) Put32(file, mask);
        while (file.size() < kFileHeaderBytes + form.headerBytes) file.push_back(0);
    }
    file.insert(file.end(), palette.begin(), palette.end());
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

}  // namespace

void WriteBmpSeeds(const std::filesystem::path& data, const std::filesystem::path& corpus)
{
    // An odd width, so that rows need padding.
    const Picture picture = Crop(data / "pic" / "game.bmp", 40, 40, 13, 7);
    const std::vector<std::pair<const char*, Form>> forms = {
        {"rgb24", {}},
        {"rgb24-top-down", {.topDown = true}},
        {"rgb32", {.bitCount = 32}},
        {"rgb16", {.bitCount = 16}},
        {"mask565", {.bitCount = 16, .compression = kBitfields, .masks = {0xF800, 0x07E0, 0x001F}}},
        {"mask32-v4", {.headerBytes = 108, .bitCount = 32, .compression = kBitfields,
                       .masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000}}},
        {"mask32-v5", {.headerBytes = 124, .bitCount = 32, .compression = kBitfields,
                       .masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000}}},
        {"palette8", {.bitCount = 8}},
        {"palette4", {.bitCount = 4}},
        {"palette1", {.bitCount = 1}},
        {"rle8", {.bitCount = 8, .compression = kRle8}},
        {"rle4", {.bitCount = 4, .compression = kRle4}},
        {"core24", {.headerBytes = 12}},
        {"core8", {.headerBytes = 12, .bitCount = 8}},
    };
    for (const auto& [name, form] : forms) Write(corpus, std::string(name) + ".bmp", Encode(picture, form));

    const Bytes plain = Encode(picture, {});
    const Bytes palette8 = Encode(picture, {.bitCount = 8});
    const Bytes rle8 = Encode(picture, {.bitCount = 8, .compression = kRle8});
    WriteCuts(corpus, "rgb24.bmp", plain, kFileHeaderBytes + 20);
    WriteCuts(corpus, "rle8.bmp", rle8, kFileHeaderBytes + 40 + 1024 + 3);
    Write(corpus, "wide.bmp", Patched(plain, 18, {0xFF, 0xFF, 0xFF, 0x7F}));
    Write(corpus, "tall-top-down.bmp", Patched(plain, 22, {0x00, 0x00, 0x00, 0x80}));
    Write(corpus, "no-bits.bmp", Patched(plain, 28, {0, 0}));
    Write(corpus, "offset-past-end.bmp", Patched(plain, 10, {0xFF, 0xFF, 0xFF, 0x0F}));
    Write(corpus, "palette-count.bmp", Patched(palette8, 46, {0xFF, 0xFF, 0xFF, 0xFF}));
    Write(corpus, "header-size.bmp", Patched(plain, 14, {13}));
    // A run longer than the row, then a move below the last row.
    const size_t runs = kFileHeaderBytes + 40 + 1024;
    Write(corpus, "rle8-long-run.bmp", Patched(rle8, runs, {0xFF, 0x01}));
    Write(corpus, "rle8-delta.bmp", Patched(rle8, runs, {0x00, 0x02, 0x05, 0xFF}));
}

}  // namespace seeds
