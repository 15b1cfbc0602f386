// Meshes: .x files, spheres, bounding spheres and ray tests.
#pragma once

#include "d3dx9math.h"

#define D3DXMESH_32BIT 0x001
#define D3DXMESH_SYSTEMMEM 0x110
#define D3DXMESH_MANAGED 0x220

struct ID3DXBuffer : IUnknown {
    virtual LPVOID GetBufferPointer() = 0;
    virtual DWORD GetBufferSize() = 0;
};
typedef ID3DXBuffer* LPD3DXBUFFER;

// A material of a .x file; the texture file name is as written in the file, or null.
struct D3DXMATERIAL {
    D3DMATERIAL9 MatD3D;
    LPSTR pTextureFilename;
};

struct ID3DXMesh : IUnknown {
    virtual HRESULT DrawSubset(DWORD attributeId) = 0;
    virtual DWORD GetNumFaces() = 0;
    virtual DWORD GetNumVertices() = 0;
    virtual DWORD GetFVF() = 0;
    virtual HRESULT GetDevice(IDirect3DDevice9** device) = 0;
    virtual HRESULT GetVertexBuffer(IDirect3DVertexBuffer9** buffer) = 0;
    virtual HRESULT GetIndexBuffer(IDirect3DIndexBuffer9** buffer) = 0;
    // Face i's subset; faces are triangles.
    virtual HRESULT LockAttributeBuffer(DWORD flags, DWORD** attributes) = 0;
    virtual HRESULT UnlockAttributeBuffer() = 0;
};
typedef ID3DXMesh* LPD3DXMESH;

HRESULT WINAPI D3DXLoadMeshFromXA(LPCSTR file, DWORD options, IDirect3DDevice9* device, ID3DXBuffer** adjacency,
                                  ID3DXBuffer** materials, ID3DXBuffer** effectInstances, DWORD* materialCount,
                                  ID3DXMesh** mesh);
HRESULT WINAPI D3DXCreateSphere(IDirect3DDevice9* device, float radius, UINT slices, UINT stacks,
                                ID3DXMesh** mesh, ID3DXBuffer** adjacency);
UINT WINAPI D3DXGetFVFVertexSize(DWORD fvf);
// Centre = mean of the positions, radius = greatest distance from it. Positions sit at
// the start of each vertex, stride bytes apart.
HRESULT WINAPI D3DXComputeBoundingSphere(const D3DXVECTOR3* firstPosition, DWORD vertexCount, DWORD stride,
                                         D3DXVECTOR3* centre, float* radius);
// Tests every face; reports the nearest hit in units of the direction's length, also
// beyond the end of the direction.
HRESULT WINAPI D3DXIntersect(ID3DXMesh* mesh, const D3DXVECTOR3* rayPosition, const D3DXVECTOR3* rayDirection,
                             BOOL* hit, DWORD* faceIndex, float* u, float* v, float* distance,
                             ID3DXBuffer** allHits, DWORD* hitCount);
