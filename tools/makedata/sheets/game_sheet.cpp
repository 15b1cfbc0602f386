// game.bmp: the explosion and flame frames, the laser beam, the boss warning, and the
// head-up display's life gauge and weapon icons.
#include <cmath>

#include "sheets.h"
#include "shapes.h"

namespace sheets {

namespace {

// Brightest in the middle columns, fading to nothing at the sides; the same on every row,
// since the beam is stretched along its length.
void PaintLaserBeam(Cell cell)
{
    const float cx = cell.Width() / 2.0f;
    for (int x = 0; x < cell.Width(); ++x) {
        const float across = std::abs(x + 0.5f - cx) / cx;
        const Colour c = across < 0.45f ? Mix(Rgb(255, 255, 255), Rgb(120, 230, 255), across / 0.45f)
                                        : Mix(Rgb(120, 230, 255), Rgb(30, 70, 230), (across - 0.45f) / 0.55f);
        for (int y = 0; y < cell.Height(); ++y) cell.Add(x, y, c * (1 - SmoothStep(0.7f, 1.0f, across)));
    }
}

// The gauge's rails and scale. The bar itself lies over columns 3 to 46 and rows 0 to 86
// of this cell, which stay clear: both are added as light, and the bar keeps its colours
// only over the scene itself.
void PaintLifeGaugeFrame(Cell cell)
{
    const Colour rail = Rgb(80, 190, 245);
    cell.Fill(cell.Bounds(), Polygon({{0, 0}, {2.2f, 0}, {2.2f, 88.8f}, {47.8f, 88.8f}, {47.8f, 0}, {50, 0}, {50, 91}, {38, 97}, {12, 97}, {0, 91}}),
              Vertical(0, rail * 0.55f, 97, rail));
    for (int k = 0; k <= 8; ++k) {
        const float y = 1 + k * 85 / 8.0f;
        const float length = k % 4 == 0 ? 4.5f : 2.5f;
        cell.Fill({49, y - 2, 55, y + 2}, Segment(51, y, 51 + length, y, 0.6f), Solid(rail));
    }
    for (int k = 0; k < 3; ++k) {
        const float x = 17 + k * 8.0f;
        cell.Fill({x - 4, 89, x + 4, 97}, Polygon({{x - 3, 95.5f}, {x, 91}, {x + 3, 95.5f}}), Solid(Rgb(150, 225, 255)));
    }
}

// Rows of three lit lines and one dark, green at the top through yellow to red at the
// bottom: what remains of the bar when life runs low is red.
void PaintLifeBar(Cell cell)
{
    const int h = cell.Height(), w = cell.Width();
    for (int y = 0; y < h; ++y) {
        if ((h - 1 - y) % 4 == 3) continue;
        const float t = y / float(h - 1);
        const Colour c = t < 0.55f ? Mix(Rgb(20, 210, 90), Rgb(220, 180, 16), t / 0.55f)
                                   : Mix(Rgb(220, 180, 16), Rgb(220, 28, 16), (t - 0.55f) / 0.45f);
        for (int x = 0; x < w; ++x) {
            const float across = std::abs(x + 0.5f - w / 2.0f) / (w / 2.0f);
            cell.Blend(x, y, c * (1.05f - 0.5f * across * across), 1);
        }
    }
}

void PaintBadge(Cell& cell)
{
    const Shape badge = RoundRect(0.5f, 0.5f, 31.5f, 31.5f, 6);
    cell.Fill(cell.Bounds(), badge, Vertical(0, Rgb(22, 40, 80), 32, Rgb(8, 14, 34)));
    cell.Fill(cell.Bounds(), Outline(RoundRect(1.5f, 1.5f, 30.5f, 30.5f, 5), 0.8f), Solid(Rgb(100, 200, 255)));
}

void PaintMissileIcon(Cell cell)
{
    PaintBadge(cell);
    // A missile climbing to the upper right, its exhaust glowing behind it.
    cell.Glow(9, 23, 8, Rgb(255, 140, 40), 1.5f);
    cell.Fill(cell.Bounds(), Polygon({{8, 17}, {13, 19}, {15, 24}}), Solid(Rgb(230, 70, 50)));
    cell.Fill(cell.Bounds(), Polygon({{15, 15}, {17, 24}, {12, 26}}), Solid(Rgb(230, 70, 50)));
    cell.Fill(cell.Bounds(), Segment(11.5f, 20.5f, 21, 11, 3), Vertical(9, Rgb(255, 255, 255), 24, Rgb(150, 170, 200)));
    cell.Fill(cell.Bounds(), Polygon({{19, 8.5f}, {25.5f, 6.5f}, {23.5f, 13}}), Solid(Rgb(255, 80, 60)));
}

void PaintLaserIcon(Cell cell)
{
    PaintBadge(cell);
    for (float x : {12.5f, 19.5f}) {
        cell.Glow(x, 14, 7, Rgb(40, 140, 255), 1.2f);
        cell.Fill(cell.Bounds(), Segment(x, 5.5f, x, 22, 1.6f), Vertical(5, Rgb(255, 255, 255), 22, Rgb(110, 220, 255)));
    }
    cell.Fill(cell.Bounds(), RoundRect(8, 22, 24, 27, 2), Vertical(22, Rgb(200, 220, 240), 27, Rgb(90, 110, 140)));
}

}  // namespace

Canvas PaintGameSheet()
{
    Canvas canvas(kGameSheet.width, kGameSheet.height);
    for (int i = 0; i < kExplosionCells; ++i) PaintExplosion(Cell(canvas, ExplosionCell(i)), i);
    for (int i = 0; i < kFlameCells; ++i) PaintFlame(Cell(canvas, FlameCell(i)), i);
    PaintLaserBeam(Cell(canvas, kLaserBeam));
    PaintWarningSign(Cell(canvas, kWarningSign));
    PaintLifeGaugeFrame(Cell(canvas, kLifeGaugeFrame));
    PaintLifeBar(Cell(canvas, kLifeBar));
    PaintMissileIcon(Cell(canvas, kMissileIcon));
    PaintLaserIcon(Cell(canvas, kLaserIcon));
    return canvas;
}

}  // namespace sheets
