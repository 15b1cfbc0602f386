// Feeds arbitrary bytes to the picture readers (BMP, PNG, JPEG, chosen by signature, as the
// texture loader does).
#include <cstddef>
#include <cstdint>

#include "image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    d3dx9::Image image;
    if (d3dx9::DecodeImage(data, size, image) && image.pixels.size() != size_t(image.width) * image.height)
        __builtin_trap();
    return 0;
}
