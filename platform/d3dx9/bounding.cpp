// Vertex sizes of flexible vertex formats, and bounding spheres over vertex data.
#include <cmath>
#include <cstring>

#include "d3dx9mesh.h"

UINT WINAPI D3DXGetFVFVertexSize(DWORD fvf)
{
    UINT size = 0;
    switch (fvf & D3DFVF_POSITION_MASK) {
    case D3DFVF_XYZ: size = 12; break;
    case D3DFVF_XYZRHW: size = 16; break;
    default: break;
    }
    if (fvf & D3DFVF_NORMAL) size += 12;
    if (fvf & D3DFVF_PSIZE) size += 4;
    if (fvf & D3DFVF_DIFFUSE) size += 4;
    if (fvf & D3DFVF_SPECULAR) size += 4;
    // Two floats per texture coordinate set: the only size the game uses.
    size += ((fvf & D3DFVF_TEXCOUNT_MASK) >> D3DFVF_TEXCOUNT_SHIFT) * 8;
    return size;
}

HRESULT WINAPI D3DXComputeBoundingSphere(const D3DXVECTOR3* firstPosition, DWORD vertexCount, DWORD stride,
                                         D3DXVECTOR3* centre, float* radius)
{
    if (!firstPosition || !centre || !radius || vertexCount == 0 || stride < sizeof(D3DXVECTOR3))
        return D3DERR_INVALIDCALL;
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(firstPosition);
    auto position = [&](DWORD i) {
        D3DXVECTOR3 p;
        std::memcpy(&p, bytes + size_t(i) * stride, sizeof p);  // vertices need not be aligned
        return p;
    };
    double sum[3] = {0.0, 0.0, 0.0};
    for (DWORD i = 0; i < vertexCount; ++i) {
        D3DXVECTOR3 p = position(i);
        sum[0] += p.x, sum[1] += p.y, sum[2] += p.z;
    }
    D3DXVECTOR3 mean(float(sum[0] / vertexCount), float(sum[1] / vertexCount), float(sum[2] / vertexCount));
    float farthest = 0.0f;
    for (DWORD i = 0; i < vertexCount; ++i) {
        D3DXVECTOR3 d = position(i) - mean;
        farthest = std::fmax(farthest, std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z));
    }
    *centre = mean;
    *radius = farthest;
    return D3D_OK;
}
