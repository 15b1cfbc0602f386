// Point sets of the solids the models are assembled from; each becomes one convex hull.
// Bevels cut the edges at an angle, so a part catches the one light on more facets.
#pragma once

#include <array>
#include <vector>

#include "models/mesh.h"

namespace makedata {

using Points = std::vector<Vec3>;

// An axis-aligned box, its edges cut back by `bevel` (0 for sharp edges).
Points BevelBox(Vec3 low, Vec3 high, float bevel);

// A regular polygon of `sides` corners around `centre` in the plane of `axisA` and
// `axisB`, stretched to the two radii; the first corner lies at `phase` radians from axisA.
Points Ring(Vec3 centre, Vec3 axisA, Vec3 axisB, float radiusA, float radiusB, int sides, float phase = 0.0f);

// A flat outline (u, v in the plane of axisU and axisV, around origin) given a thickness
// along axisN, its rims cut back by `bevel` towards the outline's centre.
Points Slab(const std::vector<std::array<float, 2>>& outline, Vec3 origin, Vec3 axisU, Vec3 axisV, Vec3 axisN,
            float thickness, float bevel);

// A faceted ball: `stacks` rings of `sides` corners between two poles on axisPole, the
// rings in the plane of axisA and axisB.
Points Ball(Vec3 centre, float radius, int sides, int stacks, Vec3 axisA, Vec3 axisB, Vec3 axisPole);

// A bevelled bar from `from` to `to`, `width` wide in the direction nearest `across` and
// `height` high in the third direction.
Points Beam(Vec3 from, Vec3 to, Vec3 across, float width, float height, float bevel);

// Points mirrored across x = 0.
Points MirrorX(const Points& points);

// The union of point sets, for a hull that spans several outlines.
Points Join(std::initializer_list<Points> parts);

inline constexpr Vec3 kAxisX = {1.0f, 0.0f, 0.0f};
inline constexpr Vec3 kAxisY = {0.0f, 1.0f, 0.0f};
inline constexpr Vec3 kAxisZ = {0.0f, 0.0f, 1.0f};

}  // namespace makedata
