// Title.bmp: the title screen's backdrop and logo, its caption, and the loading screen's
// caption, bar frame, the two bar fills and the boss's life bar.
#include <cmath>

#include "fit.h"
#include "sheets.h"
#include "shapes.h"
#include "text_art.h"

namespace sheets {

namespace {

void PaintTitleCaption(Cell cell)
{
    const char* const text = "PRESS ENTER";
    const Font font("DejaVuSans-Bold.ttf", FitSize("DejaVuSans-Bold.ttf", text, 4, 190, 24));
    const float cx = cell.Width() / 2.0f, cy = cell.Height() / 2.0f;
    TextStyle style;
    style.tracking = 4;
    style.outline = 2;
    style.outlineColour = Rgb(10, 16, 52);
    style.fill = Vertical(cy - 10, Rgb(255, 255, 255), cy + 10, Rgb(255, 196, 84));
    const InkBox box = DrawCentred(cell, font, text, cx, cy, style);
    // Arrowheads point at the words from either side.
    for (int side = -1; side <= 1; side += 2) {
        const float tip = side < 0 ? box.x - 12.0f : box.x + box.width + 12.0f;
        const float back = tip + side * 14.0f;
        const Shape arrow = Polygon({{back, cy - 8}, {tip, cy}, {back, cy + 8}});
        cell.Fill({std::min(tip, back) - 4, cy - 12, std::max(tip, back) + 4, cy + 12}, Outline(arrow, 2), Solid(Rgb(10, 16, 52)));
        cell.Fill({std::min(tip, back) - 4, cy - 12, std::max(tip, back) + 4, cy + 12}, arrow, Solid(Rgb(255, 214, 110)));
    }
}

void PaintLoadingCaption(Cell cell)
{
    const char* const font = "DejaVuSansCondensed-BoldOblique.ttf";
    const char* const text = "NOW LOADING...";
    const TextStyle style = Glowing(Vertical(12, Rgb(230, 250, 255), 38, Rgb(70, 170, 255)), 3, Rgb(20, 70, 110), 3);
    DrawCentred(cell, Font(font, FitSize(font, text, 3, cell.Width() - 24, cell.Height() - 16)), text,
                cell.Width() / 2.0f, cell.Height() / 2.0f, style);
}

// The bar runs in a tube from row 4 to row 11, its track dark inside; notches above it
// mark the eight steps of the loading.
void PaintBarFrame(Cell cell)
{
    const float w = float(cell.Width());
    const Shape tube = RoundRect(0, 3.5f, w, 12.5f, 4.5f);
    cell.Fill(cell.Bounds(), tube, Vertical(4, Rgb(190, 220, 240), 12, Rgb(50, 80, 120)));
    cell.Fill(cell.Bounds(), RoundRect(2, 5, w - 2, 11, 3), Vertical(5, Rgb(6, 10, 26), 11, Rgb(16, 26, 54)));
    for (int k = 0; k <= 8; ++k) {
        const float x = 8 + k * 49.0f;
        cell.Fill({x - 2, 0, x + 2, 4}, Segment(x, 0.8f, x, 2.5f, 0.7f), Solid(Rgb(150, 200, 235)));
    }
}

void PaintBarFill(Cell cell, Colour start, Colour end)
{
    static constexpr float kShade[4] = {1.3f, 1.0f, 0.8f, 0.55f};
    for (int y = 0; y < cell.Height(); ++y) {
        for (int x = 0; x < cell.Width(); ++x) {
            const Colour c = Mix(start, end, Clamp01(x / float(kBarFull)));
            cell.Blend(x, y, c * kShade[y], 1);
        }
    }
}

void PaintBossBar(Cell cell)
{
    static constexpr float kShade[8] = {1.35f, 1.15f, 1.0f, 0.95f, 0.9f, 0.8f, 0.65f, 0.45f};
    for (int y = 0; y < cell.Height(); ++y) {
        for (int x = 0; x < cell.Width(); ++x) {
            const float t = x / float(cell.Width() - 1);
            Colour c = t < 0.5f ? Mix(Rgb(170, 16, 30), Rgb(250, 96, 30), t * 2) : Mix(Rgb(250, 96, 30), Rgb(255, 214, 80), t * 2 - 1);
            if (x % 15 == 14) c = c * 0.45f;  // segment seams
            cell.Blend(x, y, c * kShade[y], 1);
        }
    }
}

}  // namespace

Canvas PaintTitleSheet()
{
    Canvas canvas(kTitleSheet.width, kTitleSheet.height);
    PaintTitleBackground(Cell(canvas, kTitleBackground));
    PaintLogoA(Cell(canvas, kLogoA));
    PaintLogoB(Cell(canvas, kLogoB));
    PaintTitleCaption(Cell(canvas, kTitleCaption));
    PaintLoadingCaption(Cell(canvas, kLoadingCaption));
    PaintBarFrame(Cell(canvas, kBarFrame));
    PaintBarFill(Cell(canvas, kUpperBarFill), Rgb(30, 120, 255), Rgb(140, 240, 255));
    PaintBarFill(Cell(canvas, kLowerBarFill), Rgb(255, 120, 24), Rgb(255, 226, 120));
    PaintBossBar(Cell(canvas, kBossBar));
    return canvas;
}

}  // namespace sheets
