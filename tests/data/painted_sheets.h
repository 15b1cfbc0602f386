// The five sheets as the generator paints them, painted once per test run.
#pragma once

#include <cstdint>

#include "sheets/sheets.h"
#include "software_screen.h"

// Index into sheets::kSheets: scoreboard, title, game, glyphs, ending.
enum SheetIndex { kScoreboard, kTitle, kGame, kGlyphs, kEnding };

const sheets::Canvas& PaintedSheet(SheetIndex index);
const SheetTexture& SheetAsLoaded(SheetIndex index);

// How many texels of the rectangle are not the colour key, and the brightest channel.
struct Ink {
    int texels = 0;
    int brightest = 0;
};
Ink InkIn(const SheetTexture& sheet, sheets::Rect rect);
