// BMP pictures: the OS/2 1.x core header and the Windows info header with its longer
// versions (52, 56, 108 and 124 bytes); 1, 4 and 8 bits per pixel through a palette, 16, 24
// and 32 bits direct; uncompressed, run-length encoded (8 and 4 bits) or described by bit
// masks. Rows are stored bottom row first unless the height is negative.
#include <algorithm>
#include <bit>

#include "image.h"

namespace d3dx9 {

namespace {

// Little-endian fields; the caller has checked that the bytes are there.
uint16_t U16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
uint32_t U32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kAlphaBitfields = 6 };

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kOpaqueBlack = 0xFF000000u;

struct Header {
    uint32_t width = 0;
    uint32_t height = 0;
    bool topDown = false;
    uint32_t bitCount = 0;
    uint32_t compression = kRgb;
    uint32_t masks[4] = {};         // red, green, blue, alpha; alpha 0 = opaque
    size_t paletteStart = 0;        // file offset just past the headers and masks
    size_t paletteEntrySize = 4;    // 3 in OS/2 1.x files
    uint32_t paletteUsed = 0;       // 0 = as many as the bit count can index
    size_t dataOffset = 0;
};

bool KnownHeaderSize(uint32_t size)
{
    return size == kCoreHeaderSize || size == kInfoHeaderSize || size == 52 || size == 56 || size == 108 ||
           size == 124;
}

bool BitCountFits(uint32_t bitCount, uint32_t compression)
{
    switch (compression) {
    case kRgb:
        return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 ||
               bitCount == 32;
    case kRle8: return bitCount == 8;
    case kRle4: return bitCount == 4;
    case kBitfields:
    case kAlphaBitfields: return bitCount == 16 || bitCount == 32;
    default: return false;
    }
}

// Reads the info header (or core header) and the masks after it; checks everything that
// decides how much memory the picture needs.
bool ReadHeader(const uint8_t* data, size_t size, Header& header)
{
    if (size < kFileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M') return false;
    header.dataOffset = U32(data + 10);
    uint32_t headerSize = U32(data + kFileHeaderSize);
    if (!KnownHeaderSize(headerSize) || size - kFileHeaderSize < headerSize) return false;
    const uint8_t* info = data + kFileHeaderSize;
    header.paletteStart = kFileHeaderSize + headerSize;

    int64_t width, height;
    uint32_t planes;
    if (headerSize == kCoreHeaderSize) {
        width = U16(info + 4);
        height = U16(info + 6);
        planes = U16(info + 8);
        header.bitCount = U16(info + 10);
        header.paletteEntrySize = 3;
    } else {
        width = int32_t(U32(info + 4));
        height = int32_t(U32(info + 8));
        planes = U16(info + 12);
        header.bitCount = U16(info + 14);
        header.compression = U32(info + 16);
        header.paletteUsed = U32(info + 32);
        if (headerSize >= 52) {
            for (int i = 0; i < 3; ++i) header.masks[i] = U32(info + 40 + 4 * i);
            if (headerSize >= 56) header.masks[3] = U32(info + 52);
        } else if (header.compression == kBitfields || header.compression == kAlphaBitfields) {
            // The short header keeps its masks just after it.
            int count = header.compression == kBitfields ? 3 : 4;
            if (size - header.paletteStart < size_t(4 * count)) return false;
            for (int i = 0; i < count; ++i) header.masks[i] = U32(data + header.paletteStart + 4 * i);
            header.paletteStart += 4 * count;
        }
    }
    header.topDown = height < 0;
    height = height < 0 ? -height : height;
    if (planes != 1 || !ImageSizeAllowed(uint64_t(std::max<int64_t>(width, 0)), uint64_t(height)))
        return false;
    header.width = uint32_t(width);
    header.height = uint32_t(height);

    if (!BitCountFits(header.bitCount, header.compression)) return false;
    bool runLength = header.compression == kRle8 || header.compression == kRle4;
    if (runLength && header.topDown) return false;
    if (header.compression == kRgb) {
        // Uncompressed direct colours have fixed masks and no alpha, whatever a long header says.
        const uint32_t rgb16[4] = {0x7C00, 0x03E0, 0x001F, 0};
        const uint32_t rgb32[4] = {0xFF0000, 0xFF00, 0xFF, 0};
        std::copy_n(header.bitCount == 16 ? rgb16 : rgb32, 4, header.masks);
    }
    return header.dataOffset >= header.paletteStart && header.dataOffset <= size;
}

// Fills the palette (opaque black where the file gives no entry). False when a paletted
// picture has no palette at all.
bool ReadPalette(const uint8_t* data, const Header& header, uint32_t (&palette)[256])
{
    std::fill_n(palette, 256, kOpaqueBlack);
    if (header.bitCount > 8) return true;
    size_t count = size_t(1) << header.bitCount;
    if (header.paletteUsed != 0) count = std::min<size_t>(count, header.paletteUsed);
    count = std::min(count, (header.dataOffset - header.paletteStart) / header.paletteEntrySize);
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* bgr = data + header.paletteStart + i * header.paletteEntrySize;
        palette[i] = kOpaqueBlack | uint32_t(bgr[2]) << 16 | uint32_t(bgr[1]) << 8 | bgr[0];
    }
    return count > 0;
}

// One channel of a direct-colour pixel, scaled from its mask's range to 0..255.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint64_t top = 0;

    explicit Channel(uint32_t m) : mask(m), shift(m ? std::countr_zero(m) : 0), top(m >> shift) {}
    uint32_t Read(uint32_t pixel, uint32_t ifAbsent) const
    {
        if (mask == 0) return ifAbsent;
        uint64_t value = (pixel & mask) >> shift;
        return uint32_t((value * 255 + top / 2) / top);
    }
};

void DecodeRow(const uint8_t* row, const Header& header, const uint32_t (&palette)[256],
               const Channel (&channels)[4], uint32_t* out)
{
    uint32_t bits = header.bitCount;
    for (uint32_t x = 0; x < header.width; ++x) {
        if (bits <= 8) {
            size_t bit = size_t(x) * bits;
            uint32_t index = (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
            out[x] = palette[index];
        } else if (bits == 24) {
            const uint8_t* bgr = row + 3 * size_t(x);
            out[x] = kOpaqueBlack | uint32_t(bgr[2]) << 16 | uint32_t(bgr[1]) << 8 | bgr[0];
        } else {
            uint32_t pixel = bits == 16 ? U16(row + 2 * size_t(x)) : U32(row + 4 * size_t(x));
            out[x] = channels[3].Read(pixel, 255) << 24 | channels[0].Read(pixel, 0) << 16 |
                     channels[1].Read(pixel, 0) << 8 | channels[2].Read(pixel, 0);
        }
    }
}

bool DecodeUncompressed(const uint8_t* pixels, size_t available, const Header& header,
                        const uint32_t (&palette)[256], Image& image)
{
    uint64_t rowBits = uint64_t(header.width) * header.bitCount;
    uint64_t stride = (rowBits + 31) / 32 * 4;
    // The last row may lack its padding; anything shorter is a cut-off file.
    if (stride * (header.height - 1) + (rowBits + 7) / 8 > available) return false;
    const Channel channels[4] = {Channel(header.masks[0]), Channel(header.masks[1]), Channel(header.masks[2]),
                                 Channel(header.masks[3])};
    image.pixels.assign(size_t(header.width) * header.height, 0);
    for (uint32_t fileRow = 0; fileRow < header.height; ++fileRow) {
        uint32_t y = header.topDown ? fileRow : header.height - 1 - fileRow;
        DecodeRow(pixels + fileRow * stride, header, palette, channels, &image.pixels[size_t(y) * header.width]);
    }
    return true;
}

// Run-length data: pairs (count, index) or an escape (0, code). Pixels that the runs skip
// stay transparent black; runs past the right edge are clipped. Running out of data before
// the end-of-picture code or the top row fails.
bool DecodeRunLength(const uint8_t* data, size_t size, const Header& header, const uint32_t (&palette)[256],
                     Image& image)
{
    bool fourBit = header.compression == kRle4;
    uint64_t x = 0, y = 0;
    image.pixels.assign(size_t(header.width) * header.height, 0);
    auto put = [&](uint32_t index) {
        if (x < header.width) image.pixels[size_t(header.height - 1 - y) * header.width + x] = palette[index];
        ++x;
    };
    auto nibble = [](const uint8_t* bytes, unsigned k) { return k % 2 ? bytes[k / 2] & 15u : bytes[k / 2] >> 4u; };

    size_t at = 0;
    while (y < header.height) {
        if (size - at < 2) return false;
        uint8_t count = data[at], value = data[at + 1];
        at += 2;
        if (count > 0) {
            for (unsigned k = 0; k < count; ++k) put(fourBit ? nibble(&value, k % 2) : value);
        } else if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            return true;
        } else if (value == 2) {
            if (size - at < 2) return false;
            x += data[at];
            y += data[at + 1];
            at += 2;
        } else {
            size_t bytes = fourBit ? (value + 1u) / 2 : value;
            if (size - at < bytes) return false;
            for (unsigned k = 0; k < value; ++k) put(fourBit ? nibble(data + at, k) : data[at + k]);
            at += std::min(size - at, bytes + bytes % 2);  // literal runs are padded to 16 bits
        }
    }
    return true;
}

}  // namespace

bool DecodeBmp(const uint8_t* data, size_t size, Image& image)
{
    Header header;
    uint32_t palette[256];
    if (!ReadHeader(data, size, header) || !ReadPalette(data, header, palette)) return false;
    image.width = header.width;
    image.height = header.height;
    image.format = D3DXIFF_BMP;
    const uint8_t* pixels = data + header.dataOffset;
    size_t available = size - header.dataOffset;
    if (header.compression == kRle8 || header.compression == kRle4)
        return DecodeRunLength(pixels, available, header, palette, image);
    return DecodeUncompressed(pixels, available, header, palette, image);
}

}  // namespace d3dx9
