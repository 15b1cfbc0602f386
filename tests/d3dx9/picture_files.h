// Small BMP, PNG and JPEG files made in memory for the picture-reader tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

struct BmpSpec {
    uint32_t headerSize = 40;     // 12 for the OS/2 1.x core header
    int32_t width = 1;
    int32_t height = 1;           // negative: top row first
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    std::vector<uint32_t> palette;  // 0x00RRGGBB; its length goes into the colours-used field
    std::vector<uint32_t> masks;    // after a 40-byte header, inside a longer one
    Bytes data;                     // the pixel data as stored
};
Bytes MakeBmp(const BmpSpec& spec);

// Rows of 24-bit pixels (0xRRGGBB, top row first), stored bottom-up with row padding.
Bytes Bgr24Rows(int width, const std::vector<std::vector<uint32_t>>& rowsTopFirst);

struct PngSpec {
    uint32_t width = 1;
    uint32_t height = 1;
    int bitDepth = 8;
    int colourType = 2;             // PNG_COLOR_TYPE_*
    bool interlaced = false;
    Bytes rows;                     // packed rows as PNG stores them, top row first
    std::vector<uint32_t> palette;  // 0xRRGGBB
    Bytes paletteAlpha;             // tRNS for a palette
    std::vector<uint16_t> transparentColour;  // tRNS for grey (1 value) or RGB (3 values)
};
Bytes MakePng(const PngSpec& spec);

// components: 1 grey, 3 RGB, 4 CMYK; samples interleaved, top row first.
Bytes MakeJpeg(int width, int height, int components, bool progressive, const Bytes& samples);

// Writes the bytes to a file in the test's temporary folder and returns its path.
std::string WriteTempFile(const std::string& name, const Bytes& bytes);
