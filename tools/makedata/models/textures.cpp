// Painted textures: riveted hull plating in each craft's colours, hazard stripes, the
// corridor's wall plates and the sky. Every picture tiles, as the facets repeat it.
#include "models/textures.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace makedata {

namespace {

float SmoothStep(float low, float high, float x)
{
    const float t = std::clamp((x - low) / (high - low), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

uint32_t Hash(uint32_t a, uint32_t b)
{
    uint32_t h = a * 0x9e3779b1u ^ (b + 0x7f4a7c15u) * 0x85ebca6bu;
    h ^= h >> 13;
    h *= 0xc2b2ae35u;
    return h ^ (h >> 16);
}

struct Plating {
    int size;   // pixels, square
    int panel;  // pixels per panel, dividing size
    Colour base;
    Colour accent;  // a band across every fourth row of panels
    float grime;    // 0 clean to 1 weathered
    uint32_t seed;
};

// Staggered panels with a dark seam, a lit upper-left rim and a shaded lower-right rim,
// rivets in the corners, a little grime.
Image PaintPlating(const Plating& style)
{
    Image image(style.size, style.size);
    const int p = style.panel;
    for (int y = 0; y < style.size; ++y) {
        const int row = y / p;
        const int shift = (Hash(static_cast<uint32_t>(row), style.seed) & 1u) ? p / 2 : 0;
        for (int x = 0; x < style.size; ++x) {
            const int sx = (x + shift) % style.size;
            const int lx = sx % p, ly = y % p;
            const uint32_t cell = Hash(static_cast<uint32_t>(row * 64 + sx / p), style.seed);
            float shade = 0.9f + 0.14f * static_cast<float>(cell & 0xffu) / 255.0f;
            const float noise = TileFractal(x * 8.0f / style.size, y * 8.0f / style.size, 8, 4, style.seed);
            shade *= 1.0f - style.grime * 0.35f * noise;
            Colour colour = style.base;
            if (row % 4 == 1 && ly > p / 3 && ly < p - p / 3) colour = style.accent;
            if (lx == 0 || ly == 0)
                shade *= 0.35f;
            else if (lx == 1 || ly == 1)
                shade *= 1.18f;
            else if (lx == p - 1 || ly == p - 1)
                shade *= 0.7f;
            const bool rivetX = lx == 3 || lx == p - 4, rivetY = ly == 3 || ly == p - 4;
            if (rivetX && rivetY) shade *= 0.5f;
            image.Set(x, y, Scale(colour, shade));
        }
    }
    return image;
}

Image PaintHazard()
{
    Image image(64, 64);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const bool yellow = ((x + y) / 16) % 2 == 0;
            const float noise = TileFractal(x / 8.0f, y / 8.0f, 8, 3, 51);
            const Colour colour = yellow ? Colour{1.0f, 0.82f, 0.1f} : Colour{0.12f, 0.1f, 0.1f};
            const bool edge = (x + y) % 16 == 0;
            image.Set(x, y, Scale(colour, (edge ? 0.6f : 1.0f) * (0.85f + 0.2f * noise)));
        }
    }
    return image;
}

// Wall plates: wide steel plates with seams across the corridor, so the scroll shows.
Image PaintWall()
{
    Image image = PaintPlating({256, 64, {0.55f, 0.6f, 0.68f}, {0.85f, 0.65f, 0.25f}, 0.8f, 7});
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            const float streak = TileFractal(x / 64.0f, y / 4.0f, 4, 3, 9);
            image.Set(x, y, Scale(image.Get(x, y), 0.8f + 0.3f * streak));
        }
    }
    return image;
}

Colour SkyGradient(float latitude)
{
    struct Stop {
        float latitude;
        Colour colour;
    };
    static constexpr std::array<Stop, 6> stops = {{
        {-90.0f, {0.02f, 0.04f, 0.16f}},
        {-30.0f, {0.05f, 0.13f, 0.4f}},
        {10.0f, {0.13f, 0.34f, 0.76f}},
        {45.0f, {0.38f, 0.62f, 0.95f}},
        {75.0f, {0.82f, 0.86f, 0.93f}},
        {90.0f, {1.0f, 0.93f, 0.8f}},
    }};
    for (size_t i = 1; i < stops.size(); ++i) {
        if (latitude <= stops[i].latitude) {
            const float t = (latitude - stops[i - 1].latitude) / (stops[i].latitude - stops[i - 1].latitude);
            return Mix(stops[i - 1].colour, stops[i].colour, t);
        }
    }
    return stops.back().colour;
}

// The sky wraps the sphere twice around; latitude 90 (the top row) is straight ahead of
// the craft, where a bright haze lies, and drifting clouds fill the middle heights.
Image PaintSky()
{
    Image image(1024, 512);
    for (int y = 0; y < image.height; ++y) {
        const float latitude = 90.0f - (static_cast<float>(y) + 0.5f) * 180.0f / static_cast<float>(image.height);
        const Colour sky = SkyGradient(latitude);
        const float band = SmoothStep(-40.0f, 0.0f, latitude) * (1.0f - SmoothStep(55.0f, 80.0f, latitude));
        for (int x = 0; x < image.width; ++x) {
            const float u = static_cast<float>(x) / 64.0f, v = static_cast<float>(y) / 32.0f;
            const float cloud = TileFractal(u, v, 16, 5, 3);
            const float density = SmoothStep(0.48f, 0.7f, cloud) * band;
            const float light = TileFractal(u + 0.35f, v - 0.5f, 16, 4, 3);
            const Colour shade =
                Mix(Colour{0.55f, 0.6f, 0.78f}, Colour{1.0f, 0.98f, 0.95f}, SmoothStep(0.4f, 0.62f, light));
            image.Set(x, y, Mix(sky, shade, density * 0.9f));
        }
    }
    return image;
}

// Dark armour with glowing red seams.
Image PaintBoss()
{
    Image image = PaintPlating({256, 32, {0.5f, 0.5f, 0.56f}, {0.7f, 0.18f, 0.14f}, 0.9f, 21});
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            if (y % 64 == 32 || x % 128 == 64) image.Set(x, y, {1.0f, 0.3f, 0.15f});
        }
    }
    return image;
}

}  // namespace

std::vector<TextureFile> PaintTextures()
{
    std::vector<TextureFile> files;
    files.push_back({kSkyTexture, PaintSky(), 90});
    files.push_back({kWallTexture, PaintWall(), 0});
    files.push_back({kCraftTexture, PaintPlating({128, 32, {0.86f, 0.89f, 0.94f}, {0.2f, 0.4f, 0.95f}, 0.3f, 1}), 0});
    files.push_back({kBossTexture, PaintBoss(), 90});
    files.push_back({kHazardTexture, PaintHazard(), 0});
    static constexpr std::array<std::array<Colour, 2>, 7> enemyColours = {{
        {{{0.35f, 0.85f, 0.3f}, {0.1f, 0.4f, 0.1f}}},
        {{{1.0f, 0.6f, 0.15f}, {0.5f, 0.2f, 0.05f}}},
        {{{0.65f, 0.4f, 0.95f}, {0.95f, 0.8f, 0.3f}}},
        {{{0.9f, 0.22f, 0.2f}, {0.3f, 0.3f, 0.32f}}},
        {{{0.25f, 0.85f, 0.95f}, {0.05f, 0.3f, 0.5f}}},
        {},
        {{{0.5f, 0.6f, 0.8f}, {1.0f, 0.55f, 0.1f}}},
    }};
    for (int type = 0; type < 7; ++type) {
        if (kEnemyTextures[type] == kHazardTexture) continue;
        const auto& [base, accent] = enemyColours[static_cast<size_t>(type)];
        files.push_back(
            {kEnemyTextures[type], PaintPlating({64, 16, base, accent, 0.5f, 100u + static_cast<uint32_t>(type)}), 0});
    }
    return files;
}

}  // namespace makedata
