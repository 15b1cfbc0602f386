// The animated effect cells, added to the scene as light: sixteen explosion frames (a
// white flash, a boiling fireball, then a ring of cooling smoke that breaks apart) and
// thirteen frames of the blue engine flame that trails below the craft.
#include <cmath>

#include "noise.h"
#include "sheets.h"
#include "shapes.h"

namespace sheets {

namespace {

// Heat 0..1 to colour: embers, red, orange, yellow, white.
Colour Fire(float heat)
{
    static const Colour kStops[5] = {Rgb(46, 14, 8), Rgb(160, 40, 10), Rgb(245, 115, 25), Rgb(255, 205, 85), Rgb(255, 250, 228)};
    const float t = Clamp01(heat) * 4;
    const int i = std::min(3, int(t));
    return Mix(kStops[i], kStops[i + 1], t - i);
}

constexpr float kCentre = kExplosionSize / 2.0f;
constexpr float kReach = kCentre - 3;  // nothing within 3 pixels of the cell's edge

}  // namespace

void PaintExplosion(Cell cell, int frame)
{
    const float t = frame / float(kExplosionCells - 1);
    const float radius = 7 + 24 * (1 - std::pow(1 - t, 2.2f));
    const float heat = std::pow(1 - t, 1.2f);
    const float hollow = radius * 0.75f * SmoothStep(0.3f, 1, t);
    const float breakup = 0.62f * SmoothStep(0.45f, 1, t);
    const float fade = 1 - 0.45f * SmoothStep(0.6f, 1, t);

    for (int y = 0; y < cell.Height(); ++y) {
        for (int x = 0; x < cell.Width(); ++x) {
            const float dx = x + 0.5f - kCentre, dy = y + 0.5f - kCentre;
            const float r = std::hypot(dx, dy);
            const float swirl = Fractal(dx / 13 + frame * 0.3f, dy / 13 - frame * 0.22f, 4, 7);
            const float grain = Fractal(dx / 6 - frame * 0.4f, dy / 6 + frame * 0.3f, 3, 19);
            const float edge = radius * (0.78f + 0.45f * swirl);
            float density = SmoothStep(edge, edge * 0.72f, r);
            density *= 1 - (1 - SmoothStep(hollow * 0.3f, hollow + 0.01f, r)) * SmoothStep(0.45f, 0.75f, t);
            density *= SmoothStep(breakup, breakup + 0.22f, grain * 0.6f + swirl * 0.4f);
            density *= 1 - SmoothStep(kReach - 4, kReach, r);
            if (density <= 0) continue;
            const float warmth = 0.12f + heat * (1.35f - 0.8f * r / std::max(edge, 1.0f)) + 0.3f * (grain - 0.5f);
            cell.Add(x, y, Fire(warmth) * (density * fade));
        }
    }

    // The first frames flash white at the heart.
    if (frame < 4) cell.Glow(kCentre, kCentre, 16 + 6 * frame, Rgb(255, 250, 230) * (1 - frame / 4.0f), 1.6f);

    // Embers glow in the smoke as it thins.
    Random embers(4093 + frame);
    for (int k = 0; k < 14 && frame >= 9; ++k) {
        const float angle = embers.Range(0, 6.2831853f);
        const float distance = std::min(kReach - 4, radius * embers.Range(0.5f, 1.0f));
        cell.Glow(kCentre + std::cos(angle) * distance, kCentre + std::sin(angle) * distance, embers.Range(1.5f, 3),
                  Fire(embers.Range(0.45f, 0.7f)) * (1.2f - t * 0.5f), 1.2f);
    }

    // Sparks fly out and cool.
    Random random(977);
    for (int k = 0; k < 16; ++k) {
        const float angle = random.Range(0, 6.2831853f);
        const float speed = random.Range(1.6f, 2.8f);
        const float length = random.Range(3, 7);
        const float distance = 6 + speed * frame * 2.2f;
        if (distance > kReach - 1 || frame < 1) continue;
        const float ux = std::cos(angle), uy = std::sin(angle);
        const float tail = std::max(2.0f, distance - length);
        const Colour spark = Fire(1 - t * 0.9f) * (1 - t * 0.7f);
        cell.Light({0, 0, float(kExplosionSize), float(kExplosionSize)},
                   Segment(kCentre + ux * tail, kCentre + uy * tail, kCentre + ux * distance, kCentre + uy * distance, 0.5f),
                   Solid(spark));
    }
}

void PaintFlame(Cell cell, int frame)
{
    const float cx = cell.Width() / 2.0f;
    const float length = 27 + 8 * ValueNoise(frame * 0.9f, 3.5f, 41);
    for (int y = 0; y < cell.Height() - 1; ++y) {
        const float along = (y + 0.5f) / length;
        if (along >= 1) break;
        const float wobble = 1 + 0.12f * std::sin(frame * 1.7f + y * 0.45f);
        const float halfWidth = std::min(9.0f, 8.6f * std::pow(1 - along, 0.65f) * wobble);
        for (int x = 1; x < cell.Width() - 1; ++x) {
            const float across = std::abs(x + 0.5f - cx) / halfWidth;
            if (across >= 1) continue;
            const float flicker = ValueNoise(x * 0.5f, y * 0.35f - frame * 1.3f, 43);
            const float heat = Clamp01(std::pow(1 - across, 0.8f) * std::pow(1 - along, 0.45f) * (0.8f + 0.4f * flicker));
            const Colour c = heat > 0.5f ? Mix(Rgb(80, 170, 255), Rgb(240, 250, 255), (heat - 0.5f) * 2)
                                         : Mix(Rgb(40, 24, 140), Rgb(80, 170, 255), heat * 2);
            cell.Add(x, y, c * SmoothStep(0, 0.25f, heat));
        }
    }
}

}  // namespace sheets
