// Recognises the three picture formats by their signatures.
#include "image.h"

#include <cstring>

#include "resources.h"

namespace d3dx9 {

namespace {

bool StartsWith(const uint8_t* data, size_t size, const char* signature, size_t length)
{
    return size >= length && std::memcmp(data, signature, length) == 0;
}

}  // namespace

bool ImageSizeAllowed(uint64_t width, uint64_t height)
{
    return width > 0 && height > 0 && width <= d3d9::kMaxTextureSide && height <= d3d9::kMaxTextureSide;
}

bool DecodeImage(const uint8_t* data, size_t size, Image& image)
{
    image = Image();
    bool decoded = false;
    if (StartsWith(data, size, "BM", 2)) {
        decoded = DecodeBmp(data, size, image);
    } else if (StartsWith(data, size, "\x89PNG\r\n\x1a\n", 8)) {
        decoded = DecodePng(data, size, image);
    } else if (StartsWith(data, size, "\xff\xd8\xff", 3)) {
        decoded = DecodeJpeg(data, size, image);
    }
    if (!decoded) image = Image();
    return decoded;
}

}  // namespace d3dx9
