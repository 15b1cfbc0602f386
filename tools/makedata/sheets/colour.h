// Colours in linear 0..1 floats while a sheet is painted; written out as 8-bit RGB.
#pragma once

#include <algorithm>

namespace sheets {

struct Colour {
    float r = 0, g = 0, b = 0;
};

inline Colour operator+(Colour a, Colour b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Colour operator*(Colour c, float k) { return {c.r * k, c.g * k, c.b * k}; }
inline Colour operator*(Colour a, Colour b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }

// From 0..255 components, the way colours are chosen.
constexpr Colour Rgb(int r, int g, int b) { return {r / 255.0f, g / 255.0f, b / 255.0f}; }

inline Colour Mix(Colour a, Colour b, float t) { return a * (1 - t) + b * t; }

inline float Clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

inline float SmoothStep(float edge0, float edge1, float v)
{
    const float t = Clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

}  // namespace sheets
