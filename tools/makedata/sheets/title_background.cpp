// The title screen's backdrop: deep space with a nebula, stars, a distant sun and the
// lit limb of a planet below the place where the emblem settles.
#include <cmath>

#include "noise.h"
#include "sheets.h"
#include "shapes.h"

namespace sheets {

namespace {

constexpr float kPlanetX = 560, kPlanetY = 700, kPlanetRadius = 310;
constexpr float kSunX = 70, kSunY = 70;

Colour Sky(float x, float y)
{
    const float t = y / 480;
    Colour c = Mix(Rgb(4, 7, 24), Rgb(12, 16, 48), SmoothStep(0, 0.6f, t));
    c = Mix(c, Rgb(26, 14, 46), SmoothStep(0.55f, 1, t));
    // Two veils of gas: teal across the top, violet along a diagonal band.
    const float band = std::exp(-std::pow((x * 0.55f + y - 330) / 170, 2.0f));
    const float teal = std::pow(Fractal(x / 150, y / 120, 5, 11), 2.4f) * 2.4f * (0.35f + band);
    const float violet = std::pow(Fractal(x / 110 + 7, y / 140, 5, 23), 2.6f) * 2.6f * band;
    const float dust = Fractal(x / 40, y / 40, 3, 37);
    c = c + Rgb(18, 80, 110) * (teal * (0.7f + 0.6f * dust));
    c = c + Rgb(95, 28, 100) * (violet * (0.6f + 0.8f * dust));
    // The sun's light washes the upper left corner.
    const float sun = std::hypot(x - kSunX, y - kSunY);
    c = c + Rgb(60, 70, 110) * std::exp(-sun / 170);
    return c;
}

void PaintStars(Cell& cell)
{
    Random random(20240611);
    for (int i = 0; i < 650; ++i) {
        const float x = random.Range(0, 640), y = random.Range(0, 480);
        const float brightness = std::pow(random.Next(), 3.0f);
        const float hue = random.Next();
        const Colour tint = hue < 0.3f ? Rgb(255, 220, 190) : hue < 0.7f ? Rgb(235, 240, 255) : Rgb(180, 210, 255);
        cell.Glow(x, y, 1.2f + 1.6f * brightness, tint * (0.35f + 0.9f * brightness), 1.5f);
    }
    // A few bright ones with a four-pointed glint.
    for (int i = 0; i < 14; ++i) {
        const float x = random.Range(10, 630), y = random.Range(10, 380);
        const float size = random.Range(5, 13);
        const Colour tint = Mix(Rgb(200, 225, 255), Rgb(255, 240, 215), random.Next());
        cell.Glow(x, y, size * 0.6f, tint, 2);
        cell.Light({x - size, y - 1, x + size, y + 1}, Segment(x - size, y, x + size, y, 0.35f),
                   [=](float px, float) { return tint * (1 - std::abs(px - x) / size); });
        cell.Light({x - 1, y - size, x + 1, y + size}, Segment(x, y - size, x, y + size, 0.35f),
                   [=](float, float py) { return tint * (1 - std::abs(py - y) / size); });
    }
}

void PaintSun(Cell& cell)
{
    cell.Glow(kSunX, kSunY, 150, Rgb(70, 80, 120), 2.5f);
    cell.Glow(kSunX, kSunY, 48, Rgb(160, 170, 200), 2.2f);
    cell.Fill({kSunX - 12, kSunY - 12, kSunX + 12, kSunY + 12}, Circle(kSunX, kSunY, 7.5f), Solid(Rgb(255, 250, 235)));
    // A long horizontal streak of glare.
    cell.Light({0, kSunY - 3, 330, kSunY + 3}, Segment(kSunX - 80, kSunY, kSunX + 250, kSunY, 0.8f),
               [](float x, float) { return Rgb(120, 150, 220) * std::exp(-std::abs(x - kSunX) / 70); }, 2.5f);
}

Colour PlanetSurface(float x, float y)
{
    const float nx = (x - kPlanetX) / kPlanetRadius, ny = (y - kPlanetY) / kPlanetRadius;
    const float nz = std::sqrt(std::max(0.0f, 1 - nx * nx - ny * ny));
    // Bands of cloud follow the curve of the globe.
    const float latitude = ny + 0.15f * nx;
    const float bands = Fractal(nx * 3 + 40, latitude * 22, 5, 51);
    const float storms = Fractal(nx * 9, latitude * 30, 4, 61);
    Colour ground = Mix(Rgb(18, 44, 70), Rgb(60, 120, 140), bands);
    ground = Mix(ground, Rgb(150, 190, 200), SmoothStep(0.62f, 0.8f, storms) * 0.6f);
    // Lit from the sun at the upper left.
    const float light = Clamp01(-0.55f * nx - 0.7f * ny + 0.45f * nz);
    return ground * (0.12f + 0.95f * light);
}

void PaintPlanet(Cell& cell)
{
    const Box box{kPlanetX - kPlanetRadius - 40, kPlanetY - kPlanetRadius - 40, 640, 480};
    cell.Glow(kPlanetX, kPlanetY, kPlanetRadius + 46, Rgb(30, 110, 170), 3.5f);
    cell.Fill(box, Circle(kPlanetX, kPlanetY, kPlanetRadius), PlanetSurface);
    // The atmosphere: a thin bright rim, strongest where the sun strikes it.
    cell.Light(box, Ring(kPlanetX, kPlanetY, kPlanetRadius - 1, 2.5f),
               [](float x, float y) {
                   const float facing = Clamp01((-(x - kPlanetX) * 0.6f - (y - kPlanetY) * 0.8f) / kPlanetRadius);
                   return Rgb(110, 210, 255) * (0.25f + 0.9f * facing);
               },
               2.5f);
}

}  // namespace

void PaintTitleBackground(Cell cell)
{
    cell.Fill(cell.Bounds(), [](float, float) { return -1.0f; }, Sky);
    PaintStars(cell);
    PaintSun(cell);
    PaintPlanet(cell);
}

}  // namespace sheets
