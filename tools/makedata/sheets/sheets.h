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
// Parts of the game sheet.
void PaintExplosion(Cell cell, int frame);
void PaintFlame(Cell cell, int frame);
void PaintWarningSign(Cell cell);

}  // namespace sheets
