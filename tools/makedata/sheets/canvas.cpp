// Painting sheets: compositing, anti-aliased shapes, glows and stamped coverage.
#include "canvas.h"

#include <cmath>

#include "text.h"

namespace sheets {

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(std::size_t(width) * height), solid_(std::size_t(width) * height)
{
}

void Canvas::Blend(int x, int y, Colour colour, float coverage)
{
    coverage = Clamp01(coverage);
    Colour& pixel = pixels_[Index(x, y)];
    pixel = Mix(pixel, colour, coverage);
    solid_[Index(x, y)] = std::max(solid_[Index(x, y)], coverage);
}

void Canvas::Add(int x, int y, Colour colour)
{
    Colour& pixel = pixels_[Index(x, y)];
    pixel = pixel + colour;
}

std::vector<std::uint8_t> Canvas::Rgb8() const
{
    std::vector<std::uint8_t> bytes(pixels_.size() * 3);
    for (std::size_t i = 0; i < pixels_.size(); ++i) {
        const Colour c = pixels_[i];
        std::uint8_t* out = &bytes[i * 3];
        out[0] = std::uint8_t(std::lround(Clamp01(c.r) * 255));
        out[1] = std::uint8_t(std::lround(Clamp01(c.g) * 255));
        out[2] = std::uint8_t(std::lround(Clamp01(c.b) * 255));
        if (solid_[i] >= 0.5f && out[0] == 0 && out[1] == 0 && out[2] == 0) {
            out[0] = out[1] = out[2] = 1;
        }
    }
    return bytes;
}

Colour Cell::At(int x, int y) const
{
    return Inside(x, y) ? canvas_.At(rect_.left + x, rect_.top + y) : Colour{};
}

void Cell::Blend(int x, int y, Colour colour, float coverage)
{
    if (Inside(x, y) && coverage > 0) canvas_.Blend(rect_.left + x, rect_.top + y, colour, coverage);
}

void Cell::Add(int x, int y, Colour colour)
{
    if (Inside(x, y)) canvas_.Add(rect_.left + x, rect_.top + y, colour);
}

template <typename Visit> void Cell::Scan(Box bounds, Visit visit)
{
    const int x0 = std::max(0, int(std::floor(bounds.x0)));
    const int y0 = std::max(0, int(std::floor(bounds.y0)));
    const int x1 = std::min(Width(), int(std::ceil(bounds.x1)));
    const int y1 = std::min(Height(), int(std::ceil(bounds.y1)));
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) visit(x, y, x + 0.5f, y + 0.5f);
    }
}

void Cell::Fill(Box bounds, const Shape& shape, const Paint& paint, float opacity, float feather)
{
    Scan(bounds, [&](int x, int y, float px, float py) {
        const float coverage = Clamp01(0.5f - shape(px, py) / feather) * opacity;
        if (coverage > 0) Blend(x, y, paint(px, py), coverage);
    });
}

void Cell::Light(Box bounds, const Shape& shape, const Paint& paint, float feather)
{
    Scan(bounds, [&](int x, int y, float px, float py) {
        const float coverage = Clamp01(0.5f - shape(px, py) / feather);
        if (coverage > 0) Add(x, y, paint(px, py) * coverage);
    });
}

void Cell::Glow(float cx, float cy, float radius, Colour colour, float power)
{
    Scan({cx - radius, cy - radius, cx + radius, cy + radius}, [&](int x, int y, float px, float py) {
        const float d = std::hypot(px - cx, py - cy) / radius;
        if (d < 1) Add(x, y, colour * std::pow(1 - d, power));
    });
}

void Cell::Stamp(const Coverage& coverage, int x, int y, const Paint& paint, float opacity)
{
    for (int row = 0; row < coverage.height; ++row) {
        for (int column = 0; column < coverage.width; ++column) {
            const float a = coverage.At(column, row) * opacity;
            if (a > 0) Blend(x + column, y + row, paint(x + column + 0.5f, y + row + 0.5f), a);
        }
    }
}

void Cell::StampLight(const Coverage& coverage, int x, int y, const Paint& paint)
{
    for (int row = 0; row < coverage.height; ++row) {
        for (int column = 0; column < coverage.width; ++column) {
            const float a = coverage.At(column, row);
            if (a > 0) Add(x + column, y + row, paint(x + column + 0.5f, y + row + 0.5f) * a);
        }
    }
}

}  // namespace sheets
