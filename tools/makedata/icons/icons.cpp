#include "icons/icons.h"

#include <cmath>
#include <string>

#include "models/image.h"
#include "sheets/sheets.h"
#include "sheets/shapes.h"

namespace makedata {

std::vector<std::uint8_t> PaintIcon(int size)
{
    using namespace sheets;
    Canvas canvas(size, size);
    Cell cell(canvas, {0, 0, size, size});
    const float s = float(size);
    // The tile keeps a pixel's margin at small sizes and a sixtieth of the icon at large ones.
    const float margin = std::max(1.0f, s / 60);
    const Shape tile = RoundRect(margin, margin, s - margin, s - margin, s * 0.18f);
    cell.Fill(cell.Bounds(), tile, Vertical(0, Rgb(34, 30, 92), s, Rgb(6, 8, 30)));
    // The badge fills the tile with its wings cut short; the title adds three draws of its
    // colours, so the icon shows them at three times the sheet's.
    PaintBadge(cell, {s / 2, s / 2 + s * 0.02f, s * 0.0085f, 0.3f, 3});

    // Painted over black, so a pixel's colour is its tile coverage times the colour shown.
    std::vector<std::uint8_t> rgba(std::size_t(size) * size * 4);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const float alpha = Clamp01(0.5f - tile(x + 0.5f, y + 0.5f));
            const sheets::Colour c = alpha > 0 ? canvas.At(x, y) * (1 / alpha) : sheets::Colour{};
            std::uint8_t* out = &rgba[(std::size_t(y) * size + x) * 4];
            out[0] = std::uint8_t(std::lround(Clamp01(c.r) * 255));
            out[1] = std::uint8_t(std::lround(Clamp01(c.g) * 255));
            out[2] = std::uint8_t(std::lround(Clamp01(c.b) * 255));
            out[3] = std::uint8_t(std::lround(alpha * 255));
        }
    }
    return rgba;
}

void WriteIcons(const std::filesystem::path& dir)
{
    for (int size : kIconSizes) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path apps = dir / name / "apps";
        std::filesystem::create_directories(apps);
        WritePngRgba(size, size, PaintIcon(size), apps / "veltrane.png");
    }
}

}  // namespace makedata
