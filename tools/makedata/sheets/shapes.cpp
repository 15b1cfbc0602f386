// The polygon distance: nearest edge, signed by the even-odd crossing rule.
#include "shapes.h"

namespace sheets {

Shape Polygon(std::vector<Point> corners)
{
    return [corners = std::move(corners)](float x, float y) {
        float nearest = 1e30f;
        bool inside = false;
        for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
            const Point a = corners[j], b = corners[i];
            const float dx = b.x - a.x, dy = b.y - a.y;
            const float t = std::clamp(((x - a.x) * dx + (y - a.y) * dy) / (dx * dx + dy * dy), 0.0f, 1.0f);
            nearest = std::min(nearest, std::hypot(x - a.x - dx * t, y - a.y - dy * t));
            if ((a.y > y) != (b.y > y) && x < a.x + (y - a.y) * dx / dy) inside = !inside;
        }
        return inside ? -nearest : nearest;
    };
}

}  // namespace sheets
