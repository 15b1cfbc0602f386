// Convex hulls of small point sets, one flat polygon per facet.
#pragma once

#include <vector>

#include "models/mesh.h"

namespace makedata {

// The facets of the convex hull of `points` (a few dozen at most: the search is plain).
std::vector<std::vector<Vec3>> ConvexHull(const std::vector<Vec3>& points);

// The hull of `points` as a closed faceted solid in the builder's current material.
void AddHull(MeshBuilder& builder, const std::vector<Vec3>& points);

}  // namespace makedata
