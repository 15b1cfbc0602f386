// A mesh's faces laid out for the ray test: each face in the doubles the triangle test
// computes with, and spheres that let a ray pass over whole groups of faces it cannot meet.
#pragma once

#include <cstdint>
#include <vector>

#include "d3dx9mesh.h"

namespace d3dx9 {

// The memory of a mesh as it is read to build the layout, in place.
struct MeshGeometry {
    const uint8_t* vertices;  // positions first in each vertex
    UINT stride;
    DWORD vertexCount;
    const uint8_t* indices;   // three per face
    bool index32;
    DWORD faceCount;
};

// The first corner and the two edges leaving it.
struct RayFace {
    double v0[3], e1[3], e2[3];
};

// Holds every corner of its faces with a little room to spare, so that a ray passing
// outside it cannot meet them even through rounding.
struct RaySphere {
    double centre[3];
    double radiusSquared;
};

struct RayFaces {
    // Consecutive faces share a sphere, this many at a time; the last group may be short.
    static constexpr size_t kGroupFaces = 8;
    std::vector<RayFace> faces;
    std::vector<RaySphere> groups;
    RaySphere all;
};

// Reads every face's corners; an index past the vertices reads as the origin. Reuses the
// storage of what it replaces.
void BuildRayFaces(const MeshGeometry& geometry, RayFaces& out);

}  // namespace d3dx9
