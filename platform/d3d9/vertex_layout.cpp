// Flexible-vertex-format layouts: position first, then the optional parts in the fixed
// order normal, point size, diffuse, specular, texture coordinate sets.
#include "vertex_layout.h"

namespace d3d9 {

namespace {

constexpr DWORD kKnownBits = D3DFVF_POSITION_MASK | D3DFVF_NORMAL | D3DFVF_PSIZE | D3DFVF_DIFFUSE |
                             D3DFVF_SPECULAR | D3DFVF_TEXCOUNT_MASK | 0xFFFF0000u;

// Two bits per set from bit 16 say how many floats the set holds: 0 = 2, 1 = 3, 2 = 4, 3 = 1.
int TexCoordFloats(DWORD fvf, UINT set)
{
    static const int kFloats[4] = {2, 3, 4, 1};
    return kFloats[(fvf >> (16 + 2 * set)) & 3];
}

}  // namespace

bool DescribeVertexFormat(DWORD fvf, VertexLayout* layout)
{
    if (!layout || (fvf & ~kKnownBits) != 0) return false;
    VertexLayout result;
    switch (fvf & D3DFVF_POSITION_MASK) {
    case D3DFVF_XYZ:
        result.size = 12;
        break;
    case D3DFVF_XYZRHW:
        result.size = 16;
        result.pretransformed = true;
        break;
    default:
        return false;
    }
    if (fvf & D3DFVF_NORMAL) {
        result.normal = int(result.size);
        result.size += 12;
    }
    if (fvf & D3DFVF_PSIZE) result.size += 4;
    if (fvf & D3DFVF_DIFFUSE) {
        result.diffuse = int(result.size);
        result.size += 4;
    }
    if (fvf & D3DFVF_SPECULAR) {
        result.specular = int(result.size);
        result.size += 4;
    }
    result.texCoordSets = (fvf & D3DFVF_TEXCOUNT_MASK) >> D3DFVF_TEXCOUNT_SHIFT;
    if (result.texCoordSets > kMaxTexCoordSets) return false;
    for (UINT set = 0; set < result.texCoordSets; ++set) {
        result.texCoord[set] = int(result.size);
        result.texCoordFloats[set] = TexCoordFloats(fvf, set);
        result.size += 4 * UINT(result.texCoordFloats[set]);
    }
    *layout = result;
    return true;
}

UINT VerticesForPrimitives(D3DPRIMITIVETYPE type, UINT primitiveCount)
{
    // Far beyond any real draw; keeps the products below from overflowing.
    constexpr UINT kMaxPrimitives = 1u << 24;
    if (primitiveCount == 0 || primitiveCount > kMaxPrimitives) return 0;
    switch (type) {
    case D3DPT_POINTLIST:
        return primitiveCount;
    case D3DPT_LINELIST:
        return 2 * primitiveCount;
    case D3DPT_LINESTRIP:
        return primitiveCount + 1;
    case D3DPT_TRIANGLELIST:
        return 3 * primitiveCount;
    case D3DPT_TRIANGLESTRIP:
    case D3DPT_TRIANGLEFAN:
        return primitiveCount + 2;
    }
    return 0;
}

}  // namespace d3d9
