// Facets a viewer can see, from the parts' hulls: drop what faces away from every eye and
// what lies against another part, where that part's own faces cover it.
#include "models/seen_facets.h"

#include <algorithm>

#include "models/hull.h"

namespace makedata {

namespace {

// Inside where Dot(normal, p) < offset.
struct Plane {
    Vec3 normal;
    float offset = 0.0f;
};

struct Solid {
    std::vector<std::vector<Vec3>> facets;
    std::vector<Plane> planes;
    Vec3 inside;  // the mean of the part's points, as AddHull orients by
    uint32_t material = 0;
};

// How far beyond a facet its neighbour is looked for, and how deep a point must lie to be
// inside: well below the parts' sizes, well above the hull's rounding.
constexpr float kProbe = 0.01f;
constexpr float kDepth = 0.001f;

Vec3 Mean(const std::vector<Vec3>& points)
{
    Vec3 sum;
    for (const Vec3& p : points) sum = sum + p;
    return sum * (1.0f / static_cast<float>(points.size()));
}

Plane OutwardPlane(const std::vector<Vec3>& facet, Vec3 inside)
{
    Vec3 normal = Normalised(Cross(facet[1] - facet[0], facet[2] - facet[0]));
    if (Dot(normal, facet[0] - inside) < 0.0f) normal = normal * -1.0f;
    return {normal, Dot(normal, facet[0])};
}

// The facet's corners drawn in towards its middle and moved off it along its normal: all
// of them inside another part means the whole facet lies against that part.
std::vector<Vec3> JustBeyond(const std::vector<Vec3>& facet, const Plane& plane)
{
    const Vec3 middle = Mean(facet);
    std::vector<Vec3> points;
    for (const Vec3& corner : facet) {
        points.push_back(corner + Normalised(middle - corner) * kProbe + plane.normal * kProbe);
    }
    return points;
}

bool Inside(const Solid& solid, Vec3 p)
{
    return std::all_of(solid.planes.begin(), solid.planes.end(),
                       [&](const Plane& plane) { return Dot(plane.normal, p) - plane.offset < -kDepth; });
}

// True when some eye of the boxes stands in front of the plane.
bool FacesAnEye(const Plane& plane, const std::vector<EyeBox>& eyes)
{
    return std::any_of(eyes.begin(), eyes.end(), [&](const EyeBox& box) {
        const Vec3 farthest = {plane.normal.x > 0.0f ? box.high.x : box.low.x,
                               plane.normal.y > 0.0f ? box.high.y : box.low.y,
                               plane.normal.z > 0.0f ? box.high.z : box.low.z};
        return Dot(plane.normal, farthest) - plane.offset > kDepth;
    });
}

}  // namespace

void AddSeenFacets(MeshBuilder& builder, const std::vector<Part>& parts, const std::vector<EyeBox>& eyes,
                   Vec3 repeat)
{
    std::vector<Solid> solids;
    for (const Part& part : parts) {
        Solid& solid = solids.emplace_back();
        solid.facets = ConvexHull(part.points);
        solid.inside = Mean(part.points);
        solid.material = part.material;
        for (const auto& facet : solid.facets) solid.planes.push_back(OutwardPlane(facet, solid.inside));
    }
    const Vec3 shifts[] = {{}, repeat, repeat * -1.0f};
    for (size_t i = 0; i < solids.size(); ++i) {
        const Solid& solid = solids[i];
        builder.UseMaterialIndex(solid.material);
        for (size_t f = 0; f < solid.facets.size(); ++f) {
            const Plane& plane = solid.planes[f];
            if (!FacesAnEye(plane, eyes)) continue;
            const std::vector<Vec3> beyond = JustBeyond(solid.facets[f], plane);
            bool covered = false;
            for (size_t j = 0; j < solids.size() && !covered; ++j) {
                for (const Vec3& shift : shifts) {
                    if (j == i && Length(shift) == 0.0f) continue;
                    covered = covered || std::all_of(beyond.begin(), beyond.end(),
                                                     [&](Vec3 p) { return Inside(solids[j], p - shift); });
                }
            }
            if (!covered) builder.AddPolygon(solid.facets[f], solid.inside);
        }
    }
}

}  // namespace makedata
