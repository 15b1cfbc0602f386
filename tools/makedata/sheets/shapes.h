// Signed-distance shapes for the painters (pixels, negative inside).
#pragma once

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "canvas.h"

namespace sheets {

inline Shape Circle(float cx, float cy, float radius)
{
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) - radius; };
}

inline Shape RoundRect(float x0, float y0, float x1, float y1, float radius)
{
    return [=](float x, float y) {
        const float hx = (x1 - x0) / 2 - radius;
        const float hy = (y1 - y0) / 2 - radius;
        const float qx = std::abs(x - (x0 + x1) / 2) - hx;
        const float qy = std::abs(y - (y0 + y1) / 2) - hy;
        const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
        return outside + std::min(std::max(qx, qy), 0.0f) - radius;
    };
}

// A stroke from a to b with round ends.
inline Shape Segment(float ax, float ay, float bx, float by, float halfWidth)
{
    return [=](float x, float y) {
        const float dx = bx - ax, dy = by - ay;
        const float t = std::clamp(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0f, 1.0f);
        return std::hypot(x - ax - dx * t, y - ay - dy * t) - halfWidth;
    };
}

inline Shape Ring(float cx, float cy, float radius, float halfWidth)
{
    return [=](float x, float y) { return std::abs(std::hypot(x - cx, y - cy) - radius) - halfWidth; };
}

struct Point {
    float x, y;
};

// Any simple polygon, corners in order.
Shape Polygon(std::vector<Point> corners);

inline Shape Union(Shape a, Shape b)
{
    return [a = std::move(a), b = std::move(b)](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

inline Shape Intersect(Shape a, Shape b)
{
    return [a = std::move(a), b = std::move(b)](float x, float y) { return std::max(a(x, y), b(x, y)); };
}

inline Shape Subtract(Shape a, Shape b)
{
    return [a = std::move(a), b = std::move(b)](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}

// The band of width 2 * halfWidth along the outline of a shape.
inline Shape Outline(Shape shape, float halfWidth)
{
    return [shape = std::move(shape), halfWidth](float x, float y) { return std::abs(shape(x, y)) - halfWidth; };
}

}  // namespace sheets
