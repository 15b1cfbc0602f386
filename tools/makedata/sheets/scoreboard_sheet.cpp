// scoreboad.bmp: the head-up display's frame, added at half strength over the whole
// screen. Panels sit behind the life gauge (top left), the score and weapon icons (top
// right) and the boss's life bar (top middle); thin rails run along the edges; the play
// area stays black, that is clear.
#include <cmath>
#include <optional>

#include "sheets.h"
#include "shapes.h"

namespace sheets {

namespace {

const Colour kPanel = Rgb(20, 46, 86);
const Colour kEdge = Rgb(90, 200, 255);

// A panel with a window left clear, where a gauge of its own colours shows.
void PaintPanel(Cell& cell, const std::vector<Point>& corners, std::optional<Box> window = std::nullopt)
{
    Shape panel = Polygon(corners);
    if (window) panel = Subtract(panel, RoundRect(window->x0, window->y0, window->x1, window->y1, 1));
    cell.Fill(cell.Bounds(), panel, Vertical(0, kPanel * 1.3f, 140, kPanel * 0.6f));
    cell.Fill(cell.Bounds(), Outline(panel, 1), Solid(kEdge));
}

void PaintBossHousing(Cell& cell)
{
    const Shape housing = Polygon({{150, 0}, {490, 0}, {480, 26}, {160, 26}});
    const Shape slot = RoundRect(167, 7, 473, 21, 2);
    cell.Fill(cell.Bounds(), Subtract(housing, slot), Vertical(0, kPanel * 1.4f, 26, kPanel * 0.7f));
    cell.Fill(cell.Bounds(), Outline(slot, 0.7f), Solid(kEdge * 0.8f));
    cell.Fill(cell.Bounds(), Segment(160, 25.5f, 480, 25.5f, 0.8f), Solid(kEdge));
    // Small lights at either end of the boss bar.
    for (float x : {158.0f, 482.0f}) cell.Fill({x - 5, 8, x + 5, 20}, Circle(x, 14, 2.5f), Solid(Rgb(255, 120, 80)));
}

void PaintRails(Cell& cell)
{
    const float w = float(cell.Width()), h = float(cell.Height());
    // Along the top between the panels and the housing.
    cell.Fill(cell.Bounds(), Segment(70, 2, 150, 2, 0.9f), Solid(kEdge * 0.8f));
    cell.Fill(cell.Bounds(), Segment(490, 2, 528, 2, 0.9f), Solid(kEdge * 0.8f));
    // Down both sides, with a notch every 40 pixels.
    for (float x : {3.0f, w - 3}) {
        cell.Fill(cell.Bounds(), Segment(x, 140, x, h - 14, 0.9f), Vertical(140, kEdge * 0.9f, h, kEdge * 0.35f));
        for (float y = 160; y < h - 20; y += 40) {
            cell.Fill(cell.Bounds(), Segment(x, y, x < w / 2 ? x + 3 : x - 3, y, 0.9f), Solid(kEdge * 0.7f));
        }
    }
    // The bottom corners and a plate in the middle of the lower edge.
    for (int side = 0; side < 2; ++side) {
        const float x = side ? w - 3 : 3.0f, dir = side ? -1.0f : 1.0f;
        cell.Fill(cell.Bounds(), Polygon({{x, h - 14}, {x + dir * 10, h - 3}, {x + dir * 150, h - 3}, {x + dir * 150, h - 1}, {x, h - 1}}),
                  Solid(kEdge * 0.6f));
    }
    const Shape plate = Polygon({{240, h}, {256, h - 10}, {384, h - 10}, {400, h}});
    cell.Fill(cell.Bounds(), plate, Vertical(h - 10, kPanel * 1.5f, h, kPanel));
    cell.Fill(cell.Bounds(), Outline(plate, 0.8f), Solid(kEdge));
}

}  // namespace

Canvas PaintScoreboardSheet()
{
    Canvas canvas(kScoreboardSheet.width, kScoreboardSheet.height);
    Cell cell(canvas, kScoreboardFrame);
    PaintPanel(cell, {{-2, -2}, {68, -2}, {68, 120}, {56, 136}, {-2, 136}},
               Box{kLifeBarAt.x, kLifeBarAt.y, kLifeBarAt.x + kLifeBar.Width(), kLifeBarAt.y + kLifeBar.Height()});
    PaintPanel(cell, {{642, -2}, {530, -2}, {530, 114}, {546, 130}, {642, 130}});
    PaintBossHousing(cell);
    PaintRails(cell);
    return canvas;
}

}  // namespace sheets
