// The BMP reader, through the sprite-sheet loader of the start-up.
#include "texture_target.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return FuzzTexture(data, size, ".bmp", TextureUse::kSheet);
}
