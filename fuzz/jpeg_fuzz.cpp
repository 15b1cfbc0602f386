// The JPEG reader, through the texture loader as the models call it.
#include "texture_target.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return FuzzTexture(data, size, ".jpg", TextureUse::kModel);
}
