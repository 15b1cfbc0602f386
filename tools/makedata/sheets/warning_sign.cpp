// The boss warning: a red sign between two hazard bands, pulsed in as added light.
#include <cmath>

#include "fit.h"
#include "sheets.h"
#include "shapes.h"
#include "text_art.h"

namespace sheets {

namespace {

void PaintHazardBand(Cell& cell, float top, float bottom)
{
    const float w = float(cell.Width());
    const Shape band = RoundRect(12, top, w - 12, bottom, 3);
    const Paint stripes = [=](float x, float y) {
        const float phase = std::fmod(x + (bottom - y) + 400, 24.0f);
        const float on = SmoothStep(0, 1, phase) * SmoothStep(13, 12, phase);
        return Rgb(255, 176, 24) * (0.2f + 0.8f * on);
    };
    cell.Fill({0, top - 1, w, bottom + 1}, band, stripes);
}

}  // namespace

void PaintWarningSign(Cell cell)
{
    const float w = float(cell.Width()), h = float(cell.Height());
    const Shape plate = RoundRect(3, 3, w - 3, h - 3, 12);
    cell.Fill(cell.Bounds(), plate, Vertical(0, Rgb(50, 6, 6), h, Rgb(26, 2, 4)));
    cell.Fill(cell.Bounds(), Outline(plate, 1.6f), Solid(Rgb(255, 80, 48)));
    PaintHazardBand(cell, 12, 30);
    PaintHazardBand(cell, h - 30, h - 12);

    const char* const bold = "DejaVuSans-Bold.ttf";
    const TextStyle title = Glowing(Vertical(44, Rgb(255, 220, 190), 88, Rgb(255, 54, 36)), 4, Rgb(120, 16, 10), 6);
    DrawCentred(cell, Font(bold, FitSize(bold, "WARNING", 6, 300, 44)), "WARNING", w / 2, 67, title);

    TextStyle subtitle;
    subtitle.tracking = 3;
    subtitle.fill = Solid(Rgb(255, 190, 90));
    const char* const line = "A HUGE ENEMY IS APPROACHING";
    DrawCentred(cell, Font(bold, FitSize(bold, line, 3, 300, 13)), line, w / 2, 109, subtitle);
}

}  // namespace sheets
