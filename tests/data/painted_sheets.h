// The five sheets as the generator paints them, painted once per test run.
#pragma once

#include <cstdint>
#include <vector>

#include "sheets/sheets.h"

// Index into sheets::kSheets: scoreboard, title, game, glyphs, ending.
enum SheetIndex { kScoreboard, kTitle, kGame, kGlyphs, kEnding };

// A painted sheet in 8-bit RGB, the colours its file holds; exact black is what the
// loader's colour key makes transparent.
struct SheetTexture {
    explicit SheetTexture(const sheets::Canvas& canvas);
    int width, height;
    std::vector<std::uint8_t> rgb;
};

const SheetTexture& SheetAsLoaded(SheetIndex index);

// How many texels of the rectangle are not the colour key, and the brightest channel.
struct Ink {
    int texels = 0;
    int brightest = 0;
};
Ink InkIn(const SheetTexture& sheet, sheets::Rect rect);
