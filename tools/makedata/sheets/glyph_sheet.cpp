// ABC012.bmp: the letters A to Z and the digits 0 to 9, each centred in its cell and
// standing on a common baseline, so the labels and the score read as one line.
#include <cmath>
#include <stdexcept>
#include <string>

#include "sheets.h"
#include "text_art.h"

namespace sheets {

namespace {

const char* const kGlyphFont = "DejaVuSansCondensed-Bold.ttf";
// Letters stand on row 19 of their 26-row cells and digits on row 17 of their 20 rows,
// clear of the lines below them: the score is drawn over the labels' lowest rows.
constexpr int kLetterBaseline = 19;
constexpr int kDigitBaseline = 17;
constexpr float kLetterSize = 20;
constexpr float kDigitSize = 19;

// Glyphs sit in the middle of their cells, but the labels are drawn 15 pixels apart
// whatever their letters' widths: the narrow I leans right and the F left, so that LIFE
// reads with even gaps.
int InkLeft(char glyph, int cellWidth, int inkWidth)
{
    switch (glyph) {
    case 'I':
        return cellWidth - 1 - inkWidth;
    case 'F':
        return 1;
    default:
        return (cellWidth - inkWidth) / 2;
    }
}

// A glyph wider than its cell allows (the one, with its broad foot) is squeezed to fit,
// keeping a clear column on either side.
void PaintGlyph(Canvas& canvas, float size, char glyph, Rect rect, int baseline, const Paint& fill)
{
    const std::string text(1, glyph);
    Cell cell(canvas, rect);
    const int room = cell.Width() - 2;
    Trimmed ink = Ink(Font(kGlyphFont, size), text);
    if (ink.coverage.width > room) ink = Ink(Font(kGlyphFont, size, room / (ink.coverage.width + 0.5f)), text);
    if (ink.coverage.width > room) throw std::runtime_error("the glyph " + text + " does not fit its cell");
    const int x = InkLeft(glyph, cell.Width(), ink.coverage.width);
    const int y = baseline - ink.coverage.baseline;
    TextStyle style;
    style.fill = fill;
    DrawInk(cell, ink, x, y, style);
}

}  // namespace

Canvas PaintGlyphSheet()
{
    Canvas canvas(kGlyphSheet.width, kGlyphSheet.height);
    for (char c = 'A'; c <= 'Z'; ++c) {
        PaintGlyph(canvas, kLetterSize, c, LetterCell(c), kLetterBaseline, Vertical(3, Rgb(240, 252, 255), 19, Rgb(96, 196, 255)));
    }
    for (int d = 0; d < 10; ++d) {
        PaintGlyph(canvas, kDigitSize, char('0' + d), kDigitCells[std::size_t(d)], kDigitBaseline,
                   Vertical(3, Rgb(255, 255, 255), 17, Rgb(255, 196, 80)));
    }
    return canvas;
}

}  // namespace sheets
