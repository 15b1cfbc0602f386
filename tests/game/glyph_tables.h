// The glyph cells of ABC012.bmp as the stage loading fills them, for the tests that draw
// the head-up display without running the stage loading.
#pragma once

#include <algorithm>
#include <iterator>

#include "game/stage_loading.h"

namespace glyphs {

inline const RECT kLabelA[4] = {{197, 0, 213, 26}, {149, 0, 160, 26}, {90, 0, 106, 26}, {74, 0, 89, 26}};
inline const RECT kLabelB[5] = {{99, 27, 113, 53}, {37, 0, 52, 26}, {22, 27, 39, 53}, {80, 27, 98, 53}, {74, 0, 89, 26}};
inline const LONG kDigitColumns[10][2] = {{0, 14},  {15, 25}, {26, 41},   {42, 55},   {56, 71},
                                          {72, 86}, {87, 101}, {102, 116}, {117, 130}, {131, 145}};

inline RECT DigitCell(int digit) { return {kDigitColumns[digit][0], 128, kDigitColumns[digit][1], 148}; }

inline void FillTables()
{
    std::copy(std::begin(kLabelA), std::end(kLabelA), g_glyphRectsA);
    std::copy(std::begin(kLabelB), std::end(kLabelB), g_glyphRectsB);
    for (int d = 0; d < 10; ++d) g_digitRects[d] = DigitCell(d);
}

}  // namespace glyphs
