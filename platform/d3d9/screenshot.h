// Screenshots of the OpenGL device's back buffer, for tests and tools.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "d3d9.h"

namespace d3d9 {

struct Picture {
    UINT width = 0;
    UINT height = 0;
    std::vector<uint32_t> pixels;  // 0xAARRGGBB, rows top first

    uint32_t At(UINT x, UINT y) const { return pixels[size_t(y) * width + x]; }
};

// The back buffer as the game drew it (alpha 0xFF). False for a device that is not our
// OpenGL one, or whose window is gone.
bool ReadBackBuffer(IDirect3DDevice9* device, Picture* picture);
// An 8-bit RGBA PNG file. False when the file cannot be written.
bool SavePng(const std::string& path, const Picture& picture);
bool SaveScreenshot(IDirect3DDevice9* device, const std::string& path);

}  // namespace d3d9
