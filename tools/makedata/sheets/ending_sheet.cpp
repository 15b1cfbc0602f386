// endscr.bmp: the six lines of the staff roll, added as light over the dark ending.
// The first and last are centred in their cells (they stand in the middle of the
// screen); the others are set from the left, since one of them starts 240 pixels from
// the screen's right edge.
#include <cmath>

#include "fit.h"
#include "sheets.h"
#include "shapes.h"
#include "text_art.h"

namespace sheets {

namespace {

const char* const kHeadingFont = "DejaVuSansCondensed-Bold.ttf";
const char* const kNameFont = "DejaVuSans-Bold.ttf";
const char* const kTitleFont = "DejaVuSansCondensed-BoldOblique.ttf";

struct Credit {
    const char* role;
    const char* names[2];
};

// Who made the game, by role.
constexpr Credit kCredits[4] = {
    {"DIRECTION & TESTS", {"Project Lead", "Test Team"}},
    {"PROGRAMMING", {"Platform Team", "Gameplay Team"}},
    {"GRAPHICS", {"Sheet & Model Team", nullptr}},
    {"SOUND & MUSIC", {"Synthesis Team", nullptr}},
};

TextStyle HeadingStyle()
{
    return Glowing(Solid(Rgb(110, 205, 255)), 2, Rgb(10, 40, 70), 4);
}

TextStyle NameStyle(float top, float bottom)
{
    TextStyle style;
    style.tracking = 1;
    style.fill = Vertical(top, Rgb(255, 255, 255), bottom, Rgb(170, 200, 240));
    return style;
}

void PaintAccent(Cell& cell, float x0, float x1, float y)
{
    cell.Light({x0 - 2, y - 3, x1 + 2, y + 3}, Segment(x0, y, x1, y, 0.6f),
               [=](float x, float) { return Rgb(80, 180, 255) * (1 - 0.8f * (x - x0) / (x1 - x0)); });
    cell.Fill({x0 - 4, y - 4, x0 + 4, y + 4}, Circle(x0, y, 2.2f), Solid(Rgb(160, 225, 255)));
}

void PaintCredit(Cell cell, const Credit& credit)
{
    constexpr int kLeft = 16;
    const Font heading(kHeadingFont, 16);
    const Trimmed role = Ink(heading, credit.role, 4);
    DrawInk(cell, role, kLeft, 30, HeadingStyle());
    PaintAccent(cell, kLeft, 220, 56);
    const Font names(kNameFont, 21);
    for (int i = 0; i < 2 && credit.names[i]; ++i) {
        const Trimmed name = Ink(names, credit.names[i], 1);
        const int top = 72 + i * 34;
        DrawInk(cell, name, kLeft + 8, top, NameStyle(float(top), float(top + name.coverage.height)));
    }
}

void PaintCentredTitle(Cell cell, const char* big, const char* small)
{
    const float cx = cell.Width() / 2.0f;
    const TextStyle title = Glowing(Vertical(36, Rgb(235, 250, 255), 80, Rgb(60, 150, 255)), 4, Rgb(12, 44, 90), 2);
    DrawCentred(cell, Font(kTitleFont, FitSize(kTitleFont, big, 2, 250, 44)), big, cx, 58, title);
    const InkBox line = DrawCentred(cell, Font(kHeadingFont, 17), small, cx, 104, HeadingStyle());
    cell.Light(cell.Bounds(), Segment(24, 104, line.x - 12.0f, 104, 0.6f), Solid(Rgb(60, 150, 230)));
    cell.Light(cell.Bounds(), Segment(line.x + line.width + 12.0f, 104, cell.Width() - 24.0f, 104, 0.6f), Solid(Rgb(60, 150, 230)));
}

}  // namespace

Canvas PaintEndingSheet()
{
    Canvas canvas(kEndingSheet.width, kEndingSheet.height);
    PaintCentredTitle(Cell(canvas, StaffLine(0)), "VELTRANE", "STAFF");
    for (int i = 0; i < 4; ++i) PaintCredit(Cell(canvas, StaffLine(i + 1)), kCredits[i]);
    PaintCentredTitle(Cell(canvas, StaffLine(5)), "THANK YOU", "FOR PLAYING");
    return canvas;
}

}  // namespace sheets
