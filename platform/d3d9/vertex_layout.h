// Where each part of a vertex lies for a flexible vertex format, and how many vertices a
// primitive count needs. Used by every device that reads vertices.
#pragma once

#include "d3d9.h"

namespace d3d9 {

constexpr UINT kMaxTexCoordSets = 8;

struct VertexLayout {
    UINT size = 0;                // bytes per vertex
    bool pretransformed = false;  // XYZRHW: x and y in back-buffer pixels, then z and 1/w
    int normal = -1;              // byte offsets; -1 when the format lacks the part
    int diffuse = -1;
    int specular = -1;
    UINT texCoordSets = 0;
    int texCoord[kMaxTexCoordSets] = {};
    int texCoordFloats[kMaxTexCoordSets] = {};  // 1 to 4 floats per set
};

// False for a format without an XYZ or XYZRHW position, or with bits we do not know.
bool DescribeVertexFormat(DWORD fvf, VertexLayout* layout);

// Vertices that primitiveCount primitives of the type use; 0 for an unknown type or a
// count too large to be real.
UINT VerticesForPrimitives(D3DPRIMITIVETYPE type, UINT primitiveCount);

}  // namespace d3d9
