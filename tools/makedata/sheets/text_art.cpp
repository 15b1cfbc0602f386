// Styled text: glow first (as light), then outline, then the letters.
#include "text_art.h"

#include <cmath>
#include <utility>

namespace sheets {

TextStyle Glowing(Paint fill, int glow, Colour glowColour, float tracking)
{
    TextStyle style;
    style.fill = std::move(fill);
    style.glow = glow;
    style.glowColour = glowColour;
    style.tracking = tracking;
    return style;
}

Trimmed Ink(const Font& font, std::string_view text, float tracking)
{
    return Trim(font.Render(text, tracking));
}

void DrawInk(Cell& cell, const Trimmed& ink, int x, int y, const TextStyle& style)
{
    if (style.glow > 0) {
        const Coverage glow = Blur(Dilate(ink.coverage, 1), style.glow);
        const int pad = (glow.width - ink.coverage.width) / 2;
        cell.StampLight(glow, x - pad, y - pad, Solid(style.glowColour));
    }
    if (style.outline > 0) {
        cell.Stamp(Dilate(ink.coverage, style.outline), x - style.outline, y - style.outline, Solid(style.outlineColour));
    }
    cell.Stamp(ink.coverage, x, y, style.fill);
}

InkBox DrawCentred(Cell& cell, const Font& font, std::string_view text, float cx, float cy, const TextStyle& style)
{
    const Trimmed ink = Ink(font, text, style.tracking);
    const InkBox box{int(std::lround(cx - ink.coverage.width / 2.0f)), int(std::lround(cy - ink.coverage.height / 2.0f)),
                     ink.coverage.width, ink.coverage.height};
    DrawInk(cell, ink, box.x, box.y, style);
    return box;
}

}  // namespace sheets
