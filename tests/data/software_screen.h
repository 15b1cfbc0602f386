// A 640 by 480 screen composed in software from sheet cells, the way the game's sprite
// draws them: the colour key, bilinear sampling, the vertex colour, and the two blends
// the game uses. It stands in for the device until headless rendering can show the sheets.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "sheets/cells.h"

namespace sheets {
class Canvas;
}

// A sheet as the loader leaves it: 8-bit RGB, exact black transparent.
struct SheetTexture {
    explicit SheetTexture(const sheets::Canvas& canvas);
    int width, height;
    std::vector<std::uint8_t> rgb;
};

enum class SpriteBlend {
    Standard,  // source alpha, inverse source alpha
    Glow,      // source alpha, destination alpha: added, as the back buffer's alpha is 1
};

struct Pixel {
    float r, g, b;  // 0..255
};

class SoftwareScreen {
public:
    static constexpr int kWidth = 640, kHeight = 480;
    SoftwareScreen();
    void Clear(Pixel colour);
    // The cell's top-left lands at (x, y); argb is the sprite's colour.
    void Draw(const SheetTexture& sheet, sheets::Rect source, float x, float y, std::uint32_t argb = 0xFFFFFFFF,
              SpriteBlend blend = SpriteBlend::Standard, float scale = 1);
    Pixel At(int x, int y) const { return pixels_[std::size_t(y) * kWidth + x]; }
    void SavePng(const std::filesystem::path& file) const;

private:
    std::vector<Pixel> pixels_;
};

// Where the screenshots go: build/screens.
std::filesystem::path ScreenshotDir();
