// Convex hulls of small point sets, facet by facet: every model part is one, so a part is
// described by its corner points alone and comes out closed, convex and faceted.
#include "models/hull.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <stdexcept>

namespace makedata {

namespace {

// The corners of a convex polygon, in order, from points known to lie in one plane.
// A corner closer than `epsilon` to the line through its neighbours is dropped.
std::vector<Vec3> OrderInPlane(const std::vector<Vec3>& points, Vec3 normal, float epsilon)
{
    const Vec3 axisU = Normalised(points[1] - points[0]);
    const Vec3 axisV = Cross(normal, axisU);
    struct Flat {
        float u, v;
        size_t index;
    };
    std::vector<Flat> flat;
    for (size_t i = 0; i < points.size(); ++i) {
        flat.push_back({Dot(points[i], axisU), Dot(points[i], axisV), i});
    }
    std::sort(flat.begin(), flat.end(),
              [](const Flat& a, const Flat& b) { return a.u < b.u || (a.u == b.u && a.v < b.v); });
    // How far b lies to the left of the line from o through a.
    auto turn = [](const Flat& o, const Flat& a, const Flat& b) {
        const float du = a.u - o.u, dv = a.v - o.v;
        return (du * (b.v - o.v) - dv * (b.u - o.u)) / std::sqrt(du * du + dv * dv);
    };
    // Andrew's monotone chain; points on an edge between two corners are dropped.
    std::vector<Flat> chain(2 * flat.size());
    size_t count = 0;
    for (size_t i = 0; i < flat.size(); ++i) {
        while (count >= 2 && turn(chain[count - 2], chain[count - 1], flat[i]) <= epsilon) --count;
        chain[count++] = flat[i];
    }
    for (size_t i = flat.size() - 1, lower = count + 1; i-- > 0;) {
        while (count >= lower && turn(chain[count - 2], chain[count - 1], flat[i]) <= epsilon) --count;
        chain[count++] = flat[i];
    }
    std::vector<Vec3> corners;
    for (size_t i = 0; i + 1 < count; ++i) corners.push_back(points[chain[i].index]);
    return corners;
}

}  // namespace

std::vector<std::vector<Vec3>> ConvexHull(const std::vector<Vec3>& input)
{
    std::vector<Vec3> points;
    float extent = 0.0f;
    for (const Vec3& p : input) extent = std::max({extent, std::fabs(p.x), std::fabs(p.y), std::fabs(p.z)});
    const float epsilon = std::max(extent, 1.0f) * 1e-4f;
    for (const Vec3& p : input) {
        const bool seen =
            std::any_of(points.begin(), points.end(), [&](const Vec3& q) { return Length(p - q) < epsilon; });
        if (!seen) points.push_back(p);
    }
    if (points.size() < 4) throw std::logic_error("a hull needs four distinct points");

    std::vector<std::vector<Vec3>> facets;
    std::set<std::vector<size_t>> planes;
    const size_t n = points.size();
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = i + 1; j < n; ++j) {
            for (size_t k = j + 1; k < n; ++k) {
                const Vec3 cross = Cross(points[j] - points[i], points[k] - points[i]);
                if (Length(cross) < epsilon * epsilon) continue;
                Vec3 normal = Normalised(cross);
                const float offset = Dot(normal, points[i]);
                bool above = false, below = false;
                std::vector<size_t> onPlane;
                for (size_t m = 0; m < n; ++m) {
                    const float side = Dot(normal, points[m]) - offset;
                    if (side > epsilon)
                        above = true;
                    else if (side < -epsilon)
                        below = true;
                    else
                        onPlane.push_back(m);
                }
                if (above && below) continue;
                if (!planes.insert(onPlane).second) continue;
                if (above) normal = normal * -1.0f;
                std::vector<Vec3> coplanar;
                for (size_t m : onPlane) coplanar.push_back(points[m]);
                std::vector<Vec3> corners = OrderInPlane(coplanar, normal, epsilon);
                if (corners.size() >= 3) facets.push_back(corners);
            }
        }
    }
    if (facets.size() < 4) throw std::logic_error("a hull of points that lie in one plane");
    return facets;
}

void AddHull(MeshBuilder& builder, const std::vector<Vec3>& points)
{
    Vec3 inside;
    for (const Vec3& p : points) inside = inside + p;
    inside = inside * (1.0f / static_cast<float>(points.size()));
    for (const std::vector<Vec3>& facet : ConvexHull(points)) builder.AddPolygon(facet, inside);
}

}  // namespace makedata
