// Pixels and tiling noise. The noise hashes whole numbers, so it is the same on every run.
#include "models/image.h"

#include <algorithm>
#include <cmath>

namespace makedata {

namespace {

uint8_t Channel(float value)
{
    return static_cast<uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

float Lattice(int x, int y, int period, uint32_t seed)
{
    uint32_t h = static_cast<uint32_t>((x % period + period) % period) * 0x8da6b343u;
    h ^= static_cast<uint32_t>((y % period + period) % period) * 0xd8163841u;
    h ^= seed * 0xcb1ab31fu;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return static_cast<float>(h & 0xffffu) / 65535.0f;
}

float Smooth(float t)
{
    return t * t * (3.0f - 2.0f * t);
}

}  // namespace

void Image::Set(int x, int y, Colour colour)
{
    const size_t at = (static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3;
    rgb[at] = Channel(colour.r);
    rgb[at + 1] = Channel(colour.g);
    rgb[at + 2] = Channel(colour.b);
}

Colour Image::Get(int x, int y) const
{
    const size_t at = (static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3;
    return {rgb[at] / 255.0f, rgb[at + 1] / 255.0f, rgb[at + 2] / 255.0f};
}

float TileNoise(float x, float y, int period, uint32_t seed)
{
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const float fx = Smooth(x - static_cast<float>(x0)), fy = Smooth(y - static_cast<float>(y0));
    const float top = Lattice(x0, y0, period, seed) * (1.0f - fx) + Lattice(x0 + 1, y0, period, seed) * fx;
    const float bottom = Lattice(x0, y0 + 1, period, seed) * (1.0f - fx) + Lattice(x0 + 1, y0 + 1, period, seed) * fx;
    return top * (1.0f - fy) + bottom * fy;
}

float TileFractal(float x, float y, int period, int octaves, uint32_t seed)
{
    float sum = 0.0f, weight = 0.5f, total = 0.0f;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += TileNoise(x, y, period, seed + static_cast<uint32_t>(octave)) * weight;
        total += weight;
        x *= 2.0f;
        y *= 2.0f;
        period *= 2;
        weight *= 0.5f;
    }
    return sum / total;
}

Colour Mix(Colour a, Colour b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour Scale(Colour c, float s)
{
    return {c.r * s, c.g * s, c.b * s};
}

}  // namespace makedata
