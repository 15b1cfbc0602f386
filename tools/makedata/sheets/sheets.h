// The five sprite sheets, each painted whole in memory.
#pragma once

#include <array>

#include "canvas.h"
#include "cells.h"

namespace sheets {

Canvas PaintScoreboardSheet();
Canvas PaintTitleSheet();
Canvas PaintGameSheet();
Canvas PaintGlyphSheet();
Canvas PaintEndingSheet();

struct Sheet {
    SheetSize size;
    Canvas (*paint)();
};
inline constexpr std::array<Sheet, 5> kSheets{{
    {kScoreboardSheet, PaintScoreboardSheet},
    {kTitleSheet, PaintTitleSheet},
    {kGameSheet, PaintGameSheet},
    {kGlyphSheet, PaintGlyphSheet},
    {kEndingSheet, PaintEndingSheet},
}};

// Parts of the title sheet, painted by their own files.
void PaintTitleBackground(Cell cell);
void PaintLogoA(Cell cell);
void PaintLogoB(Cell cell);
// The winged badge of the title's second logo part, centred on (cx, cy): unit pixels for
// each of the title's, wings of wingspan times their length there, colours times light.
struct Badge {
    float cx, cy;
    float unit = 1, wingspan = 1, light = 1;
};
void PaintBadge(Cell cell, const Badge& badge);
// Parts of the game sheet.
void PaintExplosion(Cell cell, int frame);
void PaintFlame(Cell cell, int frame);
void PaintWarningSign(Cell cell);

}  // namespace sheets
