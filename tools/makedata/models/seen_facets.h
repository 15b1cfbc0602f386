// A model assembled from touching convex parts, keeping only the facets a viewer can see:
// the rest would be drawn and then hidden behind the parts' front faces.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "models/mesh.h"

namespace makedata {

struct Part {
    std::vector<Vec3> points;  // its hull is the solid
    uint32_t material;
};

// Where an eye can stand, in model units: a box.
struct EyeBox {
    Vec3 low, high;
};

// One flat side of a part's hull; Dot(normal, corner) == offset for its corners.
struct Facet {
    std::vector<Vec3> corners;
    Vec3 normal;  // outward
    float offset = 0.0f;
};

// True when some eye in the box stands in front of the facet.
bool FacesAnEye(const Facet& facet, const EyeBox& eyes);

// The parts' hulls, the model also standing repeated `repeat` away in both directions, as a
// corridor of copies does. A part that runs the whole repeat runs on through its copies.
class Assembly {
public:
    Assembly(const std::vector<Part>& parts, Vec3 repeat);

    // Adds every facet that lies against no other part (this model's or a copy's) and that
    // `seen` accepts, in the parts' order and materials; a facet that runs through gets a
    // strip of itself across each end, where it meets the next copy.
    void AddSeen(MeshBuilder& builder, const std::function<bool(const Facet&)>& seen) const;

    // True when one part stands across every line from an eye of the box to the facet.
    bool Hides(const EyeBox& eyes, const Facet& facet) const;

private:
    struct Plane {
        Vec3 normal;
        float offset = 0.0f;
    };
    struct Solid {
        std::vector<Facet> facets;
        Vec3 inside;  // the mean of the part's points, as facets are oriented by
        uint32_t material = 0;
        std::vector<Plane> planes;  // inside where Dot(normal, p) < offset; without its ends when it runs through
        bool runsThrough = false;
    };

    bool Covered(size_t solid, const Facet& facet) const;
    bool Blocks(const Solid& solid, Vec3 shift, Vec3 from, Vec3 to) const;
    void AddSeamStrips(MeshBuilder& builder, const Solid& solid, const Facet& facet) const;

    std::vector<Solid> solids_;
    std::vector<Vec3> shifts_;  // where the copies stand, this model first
    Vec3 along_;                // the direction of the repeat
};

}  // namespace makedata
