// Pictures decoded from BMP, PNG and JPEG files held in memory, for the texture loader.
// Every reader refuses a picture larger than a texture may be before it allocates for it,
// and never reads outside the buffer it is given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "d3dx9tex.h"

namespace d3dx9 {

struct Image {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint32_t> pixels;  // 0xAARRGGBB, row by row, top row first
    D3DXIMAGE_FILEFORMAT format = D3DXIFF_BMP;
};

// Picks the reader by the data's first bytes, not by any file name. False when the data is
// no picture we read or is broken; the image is then left empty.
bool DecodeImage(const uint8_t* data, size_t size, Image& image);

bool DecodeBmp(const uint8_t* data, size_t size, Image& image);
bool DecodePng(const uint8_t* data, size_t size, Image& image);
bool DecodeJpeg(const uint8_t* data, size_t size, Image& image);

// Whether a picture of this many pixels a side may be decoded at all: no wider or taller
// than the largest texture, and not empty.
bool ImageSizeAllowed(uint64_t width, uint64_t height);

}  // namespace d3dx9
