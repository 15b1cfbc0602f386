// The PNG and JPEG readers on files written here with libpng and libjpeg: every PNG colour
// type and depth, JPEG baseline, progressive and greyscale, and broken files.
#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cstdlib>

#include "d3dx9/picture_files.h"
#include "image.h"

namespace {

using Pixels = std::vector<uint32_t>;

d3dx9::Image Decoded(const Bytes& file, D3DXIMAGE_FILEFORMAT format)
{
    d3dx9::Image image;
    EXPECT_TRUE(d3dx9::DecodeImage(file.data(), file.size(), image));
    EXPECT_EQ(image.format, format);
    EXPECT_EQ(image.pixels.size(), size_t(image.width) * image.height);
    return image;
}

Pixels DecodedPng(const PngSpec& spec) { return Decoded(MakePng(spec), D3DXIFF_PNG).pixels; }

bool Refused(const Bytes& file)
{
    d3dx9::Image image;
    return !d3dx9::DecodeImage(file.data(), file.size(), image) && image.pixels.empty();
}

PngSpec Png(uint32_t width, int bitDepth, int colourType, Bytes row)
{
    PngSpec spec;
    spec.width = width;
    spec.bitDepth = bitDepth;
    spec.colourType = colourType;
    spec.rows = std::move(row);
    return spec;
}

// Rewrites the width and height of a PNG's header chunk, with a matching checksum.
Bytes WithPngSize(Bytes file, uint32_t width, uint32_t height)
{
    for (int i = 0; i < 4; ++i) {
        file[16 + i] = uint8_t(width >> (24 - 8 * i));
        file[20 + i] = uint8_t(height >> (24 - 8 * i));
    }
    uLong crc = crc32(0, file.data() + 12, 17);  // chunk type and data
    for (int i = 0; i < 4; ++i) file[29 + i] = uint8_t(crc >> (24 - 8 * i));
    return file;
}

bool Near(uint32_t pixel, uint32_t expected, int tolerance)
{
    for (int shift = 0; shift < 32; shift += 8)
        if (std::abs(int(pixel >> shift & 0xFF) - int(expected >> shift & 0xFF)) > tolerance) return false;
    return true;
}

// 16 by 8: left half red, right half blue.
Bytes HalfRedHalfBlue()
{
    Bytes samples;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            samples.insert(samples.end(), {uint8_t(x < 8 ? 255 : 0), 0, uint8_t(x < 8 ? 0 : 255)});
    return samples;
}

}  // namespace

TEST(PngReader, ColourAndGreyOfEveryDepth)
{
    EXPECT_EQ(DecodedPng(Png(2, 8, PNG_COLOR_TYPE_RGB, {255, 0, 0, 0, 128, 255})), (Pixels{0xFFFF0000, 0xFF0080FF}));
    EXPECT_EQ(DecodedPng(Png(1, 8, PNG_COLOR_TYPE_RGBA, {1, 2, 3, 4})), Pixels{0x04010203});
    // 16-bit samples here are little-endian: FFFF, 0000, 8080 and an alpha of 0.
    EXPECT_EQ(DecodedPng(Png(1, 16, PNG_COLOR_TYPE_RGBA, {0xFF, 0xFF, 0, 0, 0x80, 0x80, 0, 0})),
              Pixels{0x00FF0080});
    EXPECT_EQ(DecodedPng(Png(1, 16, PNG_COLOR_TYPE_RGB, {0x01, 0x01, 0x80, 0x80, 0xFF, 0xFF})),
              Pixels{0xFF0180FF});

    EXPECT_EQ(DecodedPng(Png(3, 1, PNG_COLOR_TYPE_GRAY, {0b10100000})),
              (Pixels{0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF}));
    EXPECT_EQ(DecodedPng(Png(4, 2, PNG_COLOR_TYPE_GRAY, {0b00011011})),
              (Pixels{0xFF000000, 0xFF555555, 0xFFAAAAAA, 0xFFFFFFFF}));
    EXPECT_EQ(DecodedPng(Png(2, 4, PNG_COLOR_TYPE_GRAY, {0x0F})), (Pixels{0xFF000000, 0xFFFFFFFF}));
    EXPECT_EQ(DecodedPng(Png(2, 16, PNG_COLOR_TYPE_GRAY, {0x80, 0x80, 0x01, 0x01})),
              (Pixels{0xFF808080, 0xFF010101}));
    EXPECT_EQ(DecodedPng(Png(1, 8, PNG_COLOR_TYPE_GRAY_ALPHA, {0x40, 0x80})), Pixels{0x80404040});
    EXPECT_EQ(DecodedPng(Png(1, 16, PNG_COLOR_TYPE_GRAY_ALPHA, {0x40, 0x40, 0xFF, 0xFF})), Pixels{0xFF404040});
}

TEST(PngReader, PaletteAndTransparencyChunk)
{
    PngSpec paletted = Png(3, 2, PNG_COLOR_TYPE_PALETTE, {0b00011000});
    paletted.palette = {0xFF0000, 0x00FF00, 0x0000FF};
    EXPECT_EQ(DecodedPng(paletted), (Pixels{0xFFFF0000, 0xFF00FF00, 0xFF0000FF}));
    paletted.paletteAlpha = {0, 128};  // shorter than the palette: the rest stay opaque
    EXPECT_EQ(DecodedPng(paletted), (Pixels{0x00FF0000, 0x8000FF00, 0xFF0000FF}));

    PngSpec keyed = Png(2, 8, PNG_COLOR_TYPE_RGB, {0, 0, 0, 1, 0, 0});
    keyed.transparentColour = {0, 0, 0};
    EXPECT_EQ(DecodedPng(keyed), (Pixels{0x00000000, 0xFF010000}));

    PngSpec greyKeyed = Png(2, 8, PNG_COLOR_TYPE_GRAY, {7, 8});
    greyKeyed.transparentColour = {8};
    EXPECT_EQ(DecodedPng(greyKeyed), (Pixels{0xFF070707, 0x00080808}));
}

TEST(PngReader, InterlacedPictureMatchesTheSequentialOne)
{
    PngSpec spec;
    spec.width = 9;
    spec.height = 9;
    Pixels expected;
    for (uint8_t y = 0; y < 9; ++y) {
        for (uint8_t x = 0; x < 9; ++x) {
            spec.rows.insert(spec.rows.end(), {uint8_t(x * 20), uint8_t(y * 20), 7});
            expected.push_back(0xFF000007u | uint32_t(x * 20) << 16 | uint32_t(y * 20) << 8);
        }
    }
    EXPECT_EQ(DecodedPng(spec), expected);
    spec.interlaced = true;
    EXPECT_EQ(DecodedPng(spec), expected);
}

TEST(PngReader, BrokenAndOversizedFilesAreRefused)
{
    PngSpec spec = Png(4, 8, PNG_COLOR_TYPE_RGB, Bytes(12 * 4, 90));
    spec.height = 4;
    Bytes whole = MakePng(spec);
    ASSERT_FALSE(Refused(whole));
    for (size_t keep : {size_t(8), size_t(20), whole.size() / 2, whole.size() - 1})
        EXPECT_TRUE(Refused(Bytes(whole.begin(), whole.begin() + keep))) << keep;

    Bytes badChecksum = whole;
    badChecksum[29] ^= 1;
    EXPECT_TRUE(Refused(badChecksum));

    EXPECT_TRUE(Refused(WithPngSize(whole, 8193, 4)));
    EXPECT_TRUE(Refused(WithPngSize(whole, 4, 8193)));
    EXPECT_TRUE(Refused(WithPngSize(whole, 0, 4)));
    EXPECT_TRUE(Refused(WithPngSize(whole, 8192, 8192)));  // far too little data for it
}

TEST(JpegReader, BaselineAndProgressiveColour)
{
    for (bool progressive : {false, true}) {
        d3dx9::Image image = Decoded(MakeJpeg(16, 8, 3, progressive, HalfRedHalfBlue()), D3DXIFF_JPG);
        ASSERT_EQ(image.width, 16u);
        ASSERT_EQ(image.height, 8u);
        EXPECT_TRUE(Near(image.pixels[4 * 16 + 2], 0xFFFF0000, 8)) << std::hex << image.pixels[4 * 16 + 2];
        EXPECT_TRUE(Near(image.pixels[4 * 16 + 13], 0xFF0000FF, 8)) << std::hex << image.pixels[4 * 16 + 13];
        for (uint32_t pixel : image.pixels) EXPECT_EQ(pixel >> 24, 0xFFu);
    }
}

TEST(JpegReader, GreyscaleBecomesEqualChannels)
{
    d3dx9::Image image = Decoded(MakeJpeg(8, 8, 1, false, Bytes(64, 200)), D3DXIFF_JPG);
    ASSERT_EQ(image.pixels.size(), 64u);
    for (uint32_t pixel : image.pixels) EXPECT_TRUE(Near(pixel, 0xFFC8C8C8, 2)) << std::hex << pixel;
}

TEST(JpegReader, CmykCutOffAndOversizedFilesAreRefused)
{
    EXPECT_TRUE(Refused(MakeJpeg(8, 8, 4, false, Bytes(256, 50))));

    for (bool progressive : {false, true}) {
        Bytes whole = MakeJpeg(16, 8, 3, progressive, HalfRedHalfBlue());
        for (size_t keep : {size_t(3), size_t(40), whole.size() / 2, whole.size() - 2})
            EXPECT_TRUE(Refused(Bytes(whole.begin(), whole.begin() + keep))) << progressive << " " << keep;
    }

    Bytes garbage = {0xFF, 0xD8, 0xFF, 0x00, 0x12, 0x34, 0x56, 0x78};
    EXPECT_TRUE(Refused(garbage));

    // The frame header holds the height and then the width, big-endian, 5 bytes in.
    Bytes wide = MakeJpeg(16, 8, 3, false, HalfRedHalfBlue());
    size_t frame = 2;
    while (frame + 9 < wide.size() && !(wide[frame] == 0xFF && wide[frame + 1] == 0xC0)) ++frame;
    ASSERT_LT(frame + 9, wide.size());
    wide[frame + 7] = 8193 >> 8;
    wide[frame + 8] = 8193 & 0xFF;
    EXPECT_TRUE(Refused(wide));
}
