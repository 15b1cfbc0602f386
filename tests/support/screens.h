// What the screenshot tests share: where the pictures go for a look, and how two pictures
// of the back buffer compare.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "screenshot.h"

// build/screens/<name>, the folder made if need be.
inline std::string ScreenshotPath(const char* name)
{
    const char* build = std::getenv("VELTRANE_BUILD");
    const std::filesystem::path dir = std::filesystem::path(build ? build : ".") / "screens";
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

// Pixels of the rectangle (right and bottom exclusive) that differ between two pictures.
inline int Changed(const d3d9::Picture& a, const d3d9::Picture& b, int left, int top, int right, int bottom)
{
    int changed = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) changed += a.At(UINT(x), UINT(y)) != b.At(UINT(x), UINT(y));
    }
    return changed;
}
