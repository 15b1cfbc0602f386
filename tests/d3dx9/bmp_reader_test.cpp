// The BMP reader on small files made here: every header kind, bit depth and compression we
// read, and the broken files it must refuse.
#include <gtest/gtest.h>

#include "d3dx9/picture_files.h"
#include "image.h"

namespace {

using Pixels = std::vector<uint32_t>;

Pixels Decoded(const Bytes& file)
{
    d3dx9::Image image;
    EXPECT_TRUE(d3dx9::DecodeImage(file.data(), file.size(), image));
    EXPECT_EQ(image.format, D3DXIFF_BMP);
    EXPECT_EQ(image.pixels.size(), size_t(image.width) * image.height);
    return image.pixels;
}

bool Refused(const Bytes& file)
{
    d3dx9::Image image;
    bool decoded = d3dx9::DecodeImage(file.data(), file.size(), image);
    return !decoded && image.pixels.empty() && image.width == 0;
}

void Put32At(Bytes& file, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i) file[at + i] = uint8_t(value >> (8 * i));
}

BmpSpec Rgb24(int width, int height, const std::vector<std::vector<uint32_t>>& rowsTopFirst)
{
    BmpSpec spec;
    spec.width = width;
    spec.height = height;
    spec.data = Bgr24Rows(width, rowsTopFirst);
    return spec;
}

const std::vector<std::vector<uint32_t>> kTwoRows = {{0xFF0000, 0x00FF00, 0x0000FF}, {0xFFFFFF, 0x000000, 0x123456}};

}  // namespace

TEST(BmpReader, TwentyFourBitRowsBottomUpAndTopDown)
{
    Pixels upright = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000, 0xFF123456};
    EXPECT_EQ(Decoded(MakeBmp(Rgb24(3, 2, kTwoRows))), upright);

    // The same stored rows read top row first when the height is negative.
    Pixels flipped = {0xFFFFFFFF, 0xFF000000, 0xFF123456, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF};
    EXPECT_EQ(Decoded(MakeBmp(Rgb24(3, -2, kTwoRows))), flipped);
}

TEST(BmpReader, PalettedPixelsOfOneFourAndEightBits)
{
    BmpSpec one;
    one.width = 10;
    one.bitCount = 1;
    one.palette = {0x102030, 0xA0B0C0};
    one.data = {0b10110000, 0b01000000, 0, 0};
    Pixels expected;
    for (int index : {1, 0, 1, 1, 0, 0, 0, 0, 0, 1}) expected.push_back(index ? 0xFFA0B0C0 : 0xFF102030);
    EXPECT_EQ(Decoded(MakeBmp(one)), expected);

    // A palette shorter than the bit depth allows: indexes past it read as opaque black.
    BmpSpec four;
    four.width = 4;
    four.bitCount = 4;
    four.palette = {0x111111, 0x222222, 0x333333};
    four.data = {0x01, 0x2F, 0, 0};
    EXPECT_EQ(Decoded(MakeBmp(four)), (Pixels{0xFF111111, 0xFF222222, 0xFF333333, 0xFF000000}));

    // The OS/2 core header: 16-bit sizes and three-byte palette entries.
    BmpSpec core;
    core.headerSize = 12;
    core.width = 2;
    core.bitCount = 8;
    core.palette = {0xAA0000, 0x00BB00, 0x0000CC};
    core.data = {2, 0, 0, 0};
    EXPECT_EQ(Decoded(MakeBmp(core)), (Pixels{0xFF0000CC, 0xFFAA0000}));
}

TEST(BmpReader, SixteenBitPixelsScaleEachChannelToEightBits)
{
    BmpSpec rgb555;
    rgb555.width = 3;
    rgb555.bitCount = 16;
    rgb555.data = {0x00, 0x7C, 0xE0, 0x03, 0x10, 0x00, 0, 0};
    // A blue of 16 in 0..31 becomes 132 in 0..255.
    EXPECT_EQ(Decoded(MakeBmp(rgb555)), (Pixels{0xFFFF0000, 0xFF00FF00, 0xFF000084}));

    BmpSpec rgb565 = rgb555;
    rgb565.compression = 3;
    rgb565.masks = {0xF800, 0x07E0, 0x001F};
    rgb565.data = {0x00, 0xF8, 0x20, 0x00, 0x1F, 0x00, 0, 0};
    EXPECT_EQ(Decoded(MakeBmp(rgb565)), (Pixels{0xFFFF0000, 0xFF000400, 0xFF0000FF}));
}

TEST(BmpReader, ThirtyTwoBitAlphaOnlyFromAnAlphaMask)
{
    BmpSpec plain;
    plain.bitCount = 32;
    plain.data = {0x11, 0x22, 0x33, 0x80};
    EXPECT_EQ(Decoded(MakeBmp(plain)), Pixels{0xFF332211});

    // Masks count only with bit-field compression, in a long header or after a short one;
    // an alpha mask alone gives alpha.
    const uint32_t withAlpha[] = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};
    const uint32_t withoutAlpha[] = {0xFF0000, 0xFF00, 0xFF, 0};
    struct Case {
        uint32_t headerSize, compression;
        const uint32_t* masks;
        uint32_t expected;
    };
    for (const Case& c : {Case{124, 0, withAlpha, 0xFF332211}, Case{124, 3, withAlpha, 0x80332211},
                          Case{56, 3, withAlpha, 0x80332211}, Case{40, 6, withAlpha, 0x80332211},
                          Case{108, 3, withoutAlpha, 0xFF332211}}) {
        BmpSpec spec = plain;
        spec.headerSize = c.headerSize;
        spec.compression = c.compression;
        spec.masks.assign(c.masks, c.masks + 4);
        EXPECT_EQ(Decoded(MakeBmp(spec)), Pixels{c.expected}) << c.headerSize << " " << c.compression;
    }

    // Ten-bit channels: 1023 is full, 512 about half.
    BmpSpec tenBit = plain;
    tenBit.compression = 3;
    tenBit.masks = {0x3FF00000, 0xFFC00, 0x3FF};
    uint32_t pixel = 1023u << 20 | 512u << 10;
    tenBit.data = {uint8_t(pixel), uint8_t(pixel >> 8), uint8_t(pixel >> 16), uint8_t(pixel >> 24)};
    EXPECT_EQ(Decoded(MakeBmp(tenBit)), Pixels{0xFFFF8000});
}

TEST(BmpReader, EightBitRunLengthRunsEscapesAndSkippedPixels)
{
    BmpSpec spec;
    spec.width = 4;
    spec.height = 3;
    spec.bitCount = 8;
    spec.compression = 1;
    spec.palette = {0x112233, 0x445566, 0x778899};
    spec.data = {
        6, 1, 0, 0,           // bottom row: a run past the right edge is clipped; end of line
        0, 3, 0, 2, 1, 0,     // middle row: three literal pixels, padded to 16 bits
        0, 0, 0, 2, 2, 0,     // end of line; move 2 to the right on the top row
        1, 2, 0, 1,           // one pixel, then end of picture
    };
    constexpr uint32_t c0 = 0xFF112233, c1 = 0xFF445566, c2 = 0xFF778899;
    EXPECT_EQ(Decoded(MakeBmp(spec)), (Pixels{0, 0, c2, 0, c0, c2, c1, 0, c1, c1, c1, c1}));
}

TEST(BmpReader, FourBitRunLengthAlternatesNibbles)
{
    BmpSpec spec;
    spec.width = 5;
    spec.height = 2;
    spec.bitCount = 4;
    spec.compression = 2;
    spec.palette = {0x000010, 0x000020, 0x000030};
    spec.data = {
        0, 3, 0x21, 0x00, 0, 0,  // bottom row: literal nibbles 2, 1, 0; end of line
        5, 0x12, 0, 1,           // top row: 1, 2, 1, 2, 1; end of picture
    };
    constexpr uint32_t c0 = 0xFF000010, c1 = 0xFF000020, c2 = 0xFF000030;
    EXPECT_EQ(Decoded(MakeBmp(spec)), (Pixels{c1, c2, c1, c2, c1, c2, c1, c0, 0, 0}));
}

TEST(BmpReader, CutOffAndMalformedFilesAreRefused)
{
    Bytes whole = MakeBmp(Rgb24(3, 2, kTwoRows));
    EXPECT_TRUE(Refused(Bytes(whole.begin(), whole.end() - 4)));  // more than the last row's padding
    EXPECT_TRUE(Refused(Bytes(whole.begin(), whole.begin() + 20)));
    EXPECT_TRUE(Refused(Bytes(whole.begin(), whole.begin() + 10)));

    BmpSpec rle;
    rle.width = 4;
    rle.height = 2;
    rle.bitCount = 8;
    rle.compression = 1;
    rle.palette = {0xFFFFFF};
    rle.data = {4, 0, 0, 0};  // the data ends before the top row
    EXPECT_TRUE(Refused(MakeBmp(rle)));
    rle.data = {0, 4, 0, 0};  // a literal run cut short
    EXPECT_TRUE(Refused(MakeBmp(rle)));
    rle.data = {4, 0, 0, 0, 4, 0, 0, 1};
    EXPECT_FALSE(Refused(MakeBmp(rle)));
    rle.height = -2;  // run-length pictures are always stored bottom-up
    EXPECT_TRUE(Refused(MakeBmp(rle)));

    Bytes badHeaderSize = whole;
    Put32At(badHeaderSize, 14, 41);
    EXPECT_TRUE(Refused(badHeaderSize));
    Bytes twoPlanes = whole;
    twoPlanes[26] = 2;
    EXPECT_TRUE(Refused(twoPlanes));
    Bytes offsetInHeader = whole;
    Put32At(offsetInHeader, 10, 30);
    EXPECT_TRUE(Refused(offsetInHeader));
    Bytes offsetPastEnd = whole;
    Put32At(offsetPastEnd, 10, uint32_t(whole.size() + 1));
    EXPECT_TRUE(Refused(offsetPastEnd));

    for (int width : {0, -3}) EXPECT_TRUE(Refused(MakeBmp(Rgb24(width, 2, kTwoRows)))) << width;
    EXPECT_TRUE(Refused(MakeBmp(Rgb24(3, 0, kTwoRows))));

    BmpSpec twoBit;
    twoBit.bitCount = 2;
    twoBit.palette = {0, 1, 2, 3};
    twoBit.data = {0, 0, 0, 0};
    EXPECT_TRUE(Refused(MakeBmp(twoBit)));

    BmpSpec noPalette = twoBit;
    noPalette.bitCount = 8;
    noPalette.palette.clear();
    EXPECT_TRUE(Refused(MakeBmp(noPalette)));

    BmpSpec bitfields24 = Rgb24(3, 2, kTwoRows);
    bitfields24.compression = 3;
    bitfields24.masks = {0xFF0000, 0xFF00, 0xFF};
    EXPECT_TRUE(Refused(MakeBmp(bitfields24)));

    BmpSpec embeddedJpeg = Rgb24(3, 2, kTwoRows);
    embeddedJpeg.compression = 4;
    EXPECT_TRUE(Refused(MakeBmp(embeddedJpeg)));
}

TEST(BmpReader, SizesBeyondTheLargestTextureAreRefused)
{
    std::vector<uint32_t> wideRow(8193, 0x808080);
    EXPECT_TRUE(Refused(MakeBmp(Rgb24(8193, 1, {wideRow}))));
    wideRow.pop_back();
    EXPECT_FALSE(Refused(MakeBmp(Rgb24(8192, 1, {wideRow}))));

    // A header claiming the largest picture, with almost no data behind it.
    BmpSpec huge;
    huge.width = 8192;
    huge.height = -8192;
    huge.bitCount = 32;
    huge.data = {1, 2, 3, 4};
    EXPECT_TRUE(Refused(MakeBmp(huge)));
    huge.height = int32_t(0x80000000u);
    EXPECT_TRUE(Refused(MakeBmp(huge)));
}
