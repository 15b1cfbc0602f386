// A sheet being painted, and the cells of it that the painters draw into. A cell clips
// every stroke to its own rectangle, so nothing a painter draws reaches a neighbour.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "cells.h"
#include "colour.h"

namespace sheets {

class Canvas {
public:
    Canvas(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }
    Colour At(int x, int y) const { return pixels_[Index(x, y)]; }

    // Paint over what is there with the given coverage (0..1); marks the pixel as shape.
    void Blend(int x, int y, Colour colour, float coverage);
    // Light adds to what is there; it leaves the shape mark alone.
    void Add(int x, int y, Colour colour);

    // Top-down rows of 8-bit red, green, blue. Black stays only where nothing solid was
    // painted: the loader turns exact black transparent, so a solid pixel never is.
    std::vector<std::uint8_t> Rgb8() const;

private:
    int Index(int x, int y) const { return y * width_ + x; }

    int width_;
    int height_;
    std::vector<Colour> pixels_;
    std::vector<float> solid_;
};

// A signed distance in pixels, negative inside; a paint gives the colour at a point.
// Both take cell coordinates, pixel centres at +0.5.
using Shape = std::function<float(float x, float y)>;
using Paint = std::function<Colour(float x, float y)>;

struct Box {
    float x0, y0, x1, y1;
};

struct Coverage;

class Cell {
public:
    Cell(Canvas& canvas, Rect rect) : canvas_(canvas), rect_(rect) {}
    int Width() const { return rect_.Width(); }
    int Height() const { return rect_.Height(); }
    Box Bounds() const { return {0, 0, float(Width()), float(Height())}; }

    Colour At(int x, int y) const;
    void Blend(int x, int y, Colour colour, float coverage);
    void Add(int x, int y, Colour colour);

    // Anti-aliased shape; feather widens the soft edge (in pixels).
    void Fill(Box bounds, const Shape& shape, const Paint& paint, float opacity = 1, float feather = 1);
    // The same, added as light.
    void Light(Box bounds, const Shape& shape, const Paint& paint, float feather = 1);
    // A round glow that fades from colour at the centre to nothing at the radius.
    void Glow(float cx, float cy, float radius, Colour colour, float power = 2);
    // A coverage map (rendered text, say) with its top-left at (x, y).
    void Stamp(const Coverage& coverage, int x, int y, const Paint& paint, float opacity = 1);
    void StampLight(const Coverage& coverage, int x, int y, const Paint& paint);

private:
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < Width() && y < Height(); }
    template <typename Visit> void Scan(Box bounds, Visit visit);

    Canvas& canvas_;
    Rect rect_;
};

inline Paint Solid(Colour colour)
{
    return [colour](float, float) { return colour; };
}

// Top to bottom between two rows.
inline Paint Vertical(float y0, Colour top, float y1, Colour bottom)
{
    return [=](float, float y) { return Mix(top, bottom, Clamp01((y - y0) / (y1 - y0))); };
}

inline Paint Horizontal(float x0, Colour left, float x1, Colour right)
{
    return [=](float x, float) { return Mix(left, right, Clamp01((x - x0) / (x1 - x0))); };
}

}  // namespace sheets
