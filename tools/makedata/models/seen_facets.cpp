// Facets a viewer can see, from the parts' hulls: drop what lies against another part,
// where that part's own faces cover it, and what the caller's cameras never show.
#include "models/seen_facets.h"

#include <algorithm>
#include <cmath>

#include "models/hull.h"

namespace makedata {

namespace {

// How far beyond a facet its neighbour is looked for, and how deep a point or a line must
// reach to be inside a part: well below the parts' sizes, well above the hull's rounding.
constexpr float kProbe = 0.01f;
constexpr float kDepth = 0.001f;
// How far a seam strip reaches past the end of a face, either way: under a pixel.
constexpr float kSeamReach = 0.05f;

Vec3 Mean(const std::vector<Vec3>& points)
{
    Vec3 sum;
    for (const Vec3& p : points) sum = sum + p;
    return sum * (1.0f / static_cast<float>(points.size()));
}

}  // namespace

bool FacesAnEye(const Facet& facet, const EyeBox& eyes)
{
    const Vec3& n = facet.normal;
    const Vec3 farthest = {n.x > 0.0f ? eyes.high.x : eyes.low.x, n.y > 0.0f ? eyes.high.y : eyes.low.y,
                           n.z > 0.0f ? eyes.high.z : eyes.low.z};
    return Dot(n, farthest) - facet.offset > kDepth;
}

Assembly::Assembly(const std::vector<Part>& parts, Vec3 repeat)
    : shifts_{{}, repeat, repeat * -1.0f}, along_(Normalised(repeat))
{
    const float length = Length(repeat);
    for (const Part& part : parts) {
        Solid& solid = solids_.emplace_back();
        solid.inside = Mean(part.points);
        solid.material = part.material;
        float low = INFINITY, high = -INFINITY;
        for (const Vec3& p : part.points) {
            low = std::min(low, Dot(p, along_));
            high = std::max(high, Dot(p, along_));
        }
        solid.runsThrough = high - low >= length - kDepth;
        for (std::vector<Vec3>& corners : ConvexHull(part.points)) {
            Vec3 normal = Normalised(Cross(corners[1] - corners[0], corners[2] - corners[0]));
            if (Dot(normal, corners[0] - solid.inside) < 0.0f) normal = normal * -1.0f;
            const float offset = Dot(normal, corners[0]);
            // A part that runs through has no ends: its copies carry it on.
            if (!solid.runsThrough || std::fabs(Dot(normal, along_)) < 0.5f) solid.planes.push_back({normal, offset});
            solid.facets.push_back({std::move(corners), normal, offset});
        }
    }
}

// The facet lies against another part when, moved off itself a little along its normal,
// its corners lie within that part (on its faces at most) and its middle deep inside.
bool Assembly::Covered(size_t index, const Facet& facet) const
{
    const Vec3 off = facet.normal * kProbe;
    const Vec3 middle = Mean(facet.corners) + off;
    for (size_t j = 0; j < solids_.size(); ++j) {
        for (const Vec3& shift : shifts_) {
            if (j == index && Length(shift) == 0.0f) continue;
            const std::vector<Plane>& planes = solids_[j].planes;
            const bool against = std::all_of(planes.begin(), planes.end(), [&](const Plane& plane) {
                return Dot(plane.normal, middle - shift) - plane.offset < -kDepth &&
                       std::all_of(facet.corners.begin(), facet.corners.end(), [&](Vec3 corner) {
                           return Dot(plane.normal, corner + off - shift) - plane.offset <= kDepth;
                       });
            });
            if (against) return true;
        }
    }
    return false;
}

// True when the line from `from` to `to` passes through the solid's inside, kDepth in from
// its faces, for a length of more than kDepth.
bool Assembly::Blocks(const Solid& solid, Vec3 shift, Vec3 from, Vec3 to) const
{
    float enter = 0.0f, leave = 1.0f;
    for (const Plane& plane : solid.planes) {
        const float a = Dot(plane.normal, from - shift) - plane.offset + kDepth;
        const float b = Dot(plane.normal, to - shift) - plane.offset + kDepth;
        if (a >= 0.0f && b >= 0.0f) return false;
        if (a < 0.0f && b < 0.0f) continue;
        const float t = a / (a - b);
        if (a >= 0.0f) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
    }
    return (leave - enter) * Length(to - from) > kDepth;
}

bool Assembly::Hides(const EyeBox& eyes, const Facet& facet) const
{
    std::vector<Vec3> corners;
    for (float x : {eyes.low.x, eyes.high.x}) {
        for (float y : {eyes.low.y, eyes.high.y}) {
            for (float z : {eyes.low.z, eyes.high.z}) corners.push_back({x, y, z});
        }
    }
    // From one point, the eyes whose line to it a convex part blocks are a convex set, and
    // so are the points of a convex facet it hides from one eye: corners settle it.
    for (const Solid& solid : solids_) {
        for (const Vec3& shift : shifts_) {
            const bool all = std::all_of(corners.begin(), corners.end(), [&](Vec3 eye) {
                return std::all_of(facet.corners.begin(), facet.corners.end(),
                                   [&](Vec3 point) { return Blocks(solid, shift, eye, point); });
            });
            if (all) return true;
        }
    }
    return false;
}

void Assembly::AddSeen(MeshBuilder& builder, const std::function<bool(const Facet&)>& seen) const
{
    for (size_t i = 0; i < solids_.size(); ++i) {
        const Solid& solid = solids_[i];
        builder.UseMaterialIndex(solid.material);
        for (const Facet& facet : solid.facets) {
            if (Covered(i, facet) || !seen(facet)) continue;
            builder.AddPolygon(facet.corners, solid.inside);
            if (solid.runsThrough && std::fabs(Dot(facet.normal, along_)) < 0.5f) AddSeamStrips(builder, solid, facet);
        }
    }
}

// Two copies meet where one face ends and the next begins; placed apart, they are drawn
// through different transforms, and a pixel on the line between may belong to neither. A
// strip of the same face across each end covers that line.
void Assembly::AddSeamStrips(MeshBuilder& builder, const Solid& solid, const Facet& facet) const
{
    const float half = Length(shifts_[1]) * 0.5f;
    for (float end : {-half, half}) {
        const float outward = std::copysign(kSeamReach, end);
        std::vector<Vec3> strip;
        for (const Vec3& corner : facet.corners) {
            const float at = Dot(corner, along_);
            const float to = end + ((at > 0.0f) == (end > 0.0f) ? outward : -outward);
            strip.push_back(corner + along_ * (to - at));
        }
        builder.AddPolygon(strip, solid.inside);
    }
}

}  // namespace makedata
