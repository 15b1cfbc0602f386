// The texture loaders as the game calls them, on the stand-in device: sprite sheets (BMP)
// through the start-up's LoadTexture at a size of its own choosing with the colour key,
// model textures (PNG, JPEG) through D3DXCreateTextureFromFileA at the picture's size.
#pragma once

#include "input_file.h"
#include "resources.h"
#include "shell/startup.h"
#include "stand_in_device.h"

enum class TextureUse { kSheet, kModel };

inline int FuzzTexture(const uint8_t* data, size_t size, const char* extension, TextureUse use)
{
    constexpr UINT kSheetSide = 64;  // smaller and larger than the seeds, so both cut and padded
    IDirect3DDevice9* device = StandInDevice();
    const char* file = WriteInputFile(data, size, extension);
    if (!file) return 0;

    IDirect3DTexture9* texture = nullptr;
    if (use == TextureUse::kSheet)
        LoadTexture(&texture, file, kSheetSide, kSheetSide, 0xFF000000);
    else if (FAILED(D3DXCreateTextureFromFileA(device, file, &texture)) && texture)
        __builtin_trap();  // a failure hands out nothing
    if (!texture) return 0;

    D3DSURFACE_DESC desc;
    if (texture->GetLevelDesc(0, &desc) != D3D_OK) __builtin_trap();
    const bool sized = use == TextureUse::kSheet ? desc.Width == kSheetSide && desc.Height == kSheetSide
                                                 : desc.Width >= 1 && desc.Width <= d3d9::kMaxTextureSide &&
                                                       desc.Height >= 1 && desc.Height <= d3d9::kMaxTextureSide;
    if (!sized) __builtin_trap();
    texture->Release();
    return 0;
}
