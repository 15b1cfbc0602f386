// A model assembled from touching convex parts, keeping only the facets a viewer can see:
// the rest would be drawn and then hidden behind the parts' front faces.
#pragma once

#include <cstdint>
#include <vector>

#include "models/mesh.h"

namespace makedata {

struct Part {
    std::vector<Vec3> points;  // its hull is the solid
    uint32_t material;
};

// Where the eye can stand, in model units: a box.
struct EyeBox {
    Vec3 low, high;
};

// Adds the facets of every part's hull that some eye in `eyes` faces from the front and
// that do not lie against another part. The model also stands repeated `repeat` away (in
// both directions), so a facet against a part of those copies is dropped too.
void AddSeenFacets(MeshBuilder& builder, const std::vector<Part>& parts, const std::vector<EyeBox>& eyes,
                   Vec3 repeat);

}  // namespace makedata
