// The two logo parts of the title. The title draws them three times over with added
// light, so their colours are a third of what the screen shows. The badge of the second
// is also the game's icon.
#include <cmath>

#include "fit.h"
#include "sheets.h"
#include "shapes.h"
#include "text_art.h"

namespace sheets {

namespace {

const char* const kLogoFont = "DejaVuSansCondensed-BoldOblique.ttf";
constexpr const char* kName = "VELTRANE";

}  // namespace

void PaintLogoA(Cell cell)
{
    const float size = FitSize(kLogoFont, kName, 3, cell.Width() - 26, cell.Height() - 30);
    const Font font(kLogoFont, size);
    Trimmed ink = Ink(font, kName, 3);
    // A thin slit runs through every letter just below the middle.
    const int slit = ink.coverage.height * 58 / 100;
    for (int x = 0; x < ink.coverage.width; ++x) {
        ink.coverage.alpha[std::size_t(slit) * ink.coverage.width + x] *= 0.0f;
        ink.coverage.alpha[std::size_t(slit + 1) * ink.coverage.width + x] *= 0.35f;
    }
    const int x = (cell.Width() - ink.coverage.width) / 2;
    const int y = 8;
    const float h = float(ink.coverage.height);
    const Paint chrome = [=](float, float py) {
        const float t = (py - y) / h;
        return t < 0.5f ? Mix(Rgb(82, 85, 85), Rgb(62, 78, 85), t * 2) : Mix(Rgb(40, 62, 85), Rgb(14, 36, 80), (t - 0.5f) * 2);
    };
    DrawInk(cell, ink, x, y, Glowing(chrome, 4, Rgb(6, 22, 40), 3));

    // A swept underline that is brightest in the middle.
    const float lineY = y + h + 9;
    const float cx = cell.Width() / 2.0f;
    cell.Light({8, lineY - 6, float(cell.Width() - 8), lineY + 6},
               Polygon({{20, lineY}, {cx, lineY - 2.2f}, {float(cell.Width() - 20), lineY}, {cx, lineY + 2.2f}}),
               [=](float px, float) {
                   const float t = 1 - std::abs(px - cx) / (cx - 20);
                   return Mix(Rgb(8, 30, 70), Rgb(85, 85, 85), t * t);
               });
    cell.Glow(cx, lineY, 60, Rgb(10, 28, 50), 2);
}

void PaintBadge(Cell cell, const Badge& badge)
{
    const float cx = badge.cx, cy = badge.cy, u = badge.unit;
    const auto lit = [&](int r, int g, int b) { return Rgb(r, g, b) * badge.light; };
    const Colour amberTop = lit(85, 68, 16), amberFoot = lit(80, 30, 4);
    const Paint amber = [=](float, float py) { return Mix(amberTop, amberFoot, Clamp01((py - (cy - 38 * u)) / (76 * u))); };

    // Swept wings, three feathers a side, each a slanted parallelogram.
    for (int side = -1; side <= 1; side += 2) {
        for (int k = 0; k < 3; ++k) {
            const float y0 = cy + (-18 + k * 12.0f) * u, y1 = y0 + 7 * u;
            const float inner = 32 * u, outer = (32 + (72 - k * 16.0f) * badge.wingspan) * u;
            const float s = float(side);
            const Shape feather = Polygon({{cx + s * inner, y0}, {cx + s * outer, y0 - 6 * u}, {cx + s * (outer - 10 * u), y1 - 6 * u}, {cx + s * inner, y1}});
            cell.Fill(cell.Bounds(), feather, amber);
        }
    }
    cell.Glow(cx, cy, 70 * u, lit(30, 16, 4), 2);
    // The badge: a ring around a dark disc and the craft's arrowhead.
    const Box disc{cx - 36 * u, cy - 36 * u, cx + 36 * u, cy + 36 * u};
    cell.Fill(disc, Circle(cx, cy, 31 * u), Solid(lit(14, 10, 6)));
    cell.Fill(disc, Ring(cx, cy, 31 * u, 3 * u), amber);
    cell.Fill(disc, Ring(cx, cy, 24.5f * u, 1 * u), Solid(lit(60, 40, 12)));
    const Shape arrow = Polygon({{cx, cy - 20 * u}, {cx + 15 * u, cy + 17 * u}, {cx, cy + 9 * u}, {cx - 15 * u, cy + 17 * u}});
    cell.Fill({cx - 20 * u, cy - 24 * u, cx + 20 * u, cy + 22 * u}, arrow,
              Vertical(cy - 20 * u, lit(85, 85, 80), cy + 17 * u, lit(85, 60, 20)));
    cell.Glow(cx, cy - 4 * u, 16 * u, lit(40, 30, 10), 1.5f);
}

void PaintLogoB(Cell cell) { PaintBadge(cell, {cell.Width() / 2.0f, cell.Height() / 2.0f}); }

}  // namespace sheets
