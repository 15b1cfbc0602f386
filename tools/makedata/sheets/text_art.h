// Styled text for the sheets: a fill, an optional outline under it and an optional glow
// of light around it.
#pragma once

#include <string_view>

#include "canvas.h"
#include "text.h"

namespace sheets {

struct TextStyle {
    Paint fill;
    int outline = 0;  // pixels of outline around the letters, 0 for none
    Colour outlineColour;
    int glow = 0;  // blur radius of the added glow, 0 for none
    Colour glowColour;
    float tracking = 0;
};

// Letters with light around them.
TextStyle Glowing(Paint fill, int glow, Colour glowColour, float tracking);

// The ink of a line of text, cut to its covered pixels.
Trimmed Ink(const Font& font, std::string_view text, float tracking = 0);

// Draws the ink with its top-left corner at (x, y) of the cell.
void DrawInk(Cell& cell, const Trimmed& ink, int x, int y, const TextStyle& style);

// Draws a line of text centred on (cx, cy); returns where its ink went.
struct InkBox {
    int x, y, width, height;
};
InkBox DrawCentred(Cell& cell, const Font& font, std::string_view text, float cx, float cy, const TextStyle& style);

}  // namespace sheets
