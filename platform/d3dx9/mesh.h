// ID3DXMesh over device vertex and index buffers: triangle lists whose faces are grouped by
// subset (attribute), each subset drawn with one indexed draw call from buffers that were
// filled once, so a device with a GPU uploads them once.
#pragma once

#include <span>
#include <vector>

#include "d3dx9mesh.h"

namespace d3dx9 {

// The memory of a mesh as the ray test reads it, in place.
struct MeshGeometry {
    const uint8_t* vertices;  // positions first in each vertex
    UINT stride;
    DWORD vertexCount;
    const uint8_t* indices;   // three per face
    bool index32;
    DWORD faceCount;
};

class Mesh final : public com::RefCounted<ID3DXMesh> {
public:
    Mesh(IDirect3DDevice9* device, DWORD fvf, DWORD vertexCount, IDirect3DVertexBuffer9* vertices,
         IDirect3DIndexBuffer9* indices, bool index32, std::vector<DWORD> attributes);
    ~Mesh() override;

    HRESULT DrawSubset(DWORD attributeId) override;
    DWORD GetNumFaces() override { return DWORD(attributes_.size()); }
    DWORD GetNumVertices() override { return vertexCount_; }
    DWORD GetFVF() override { return fvf_; }
    HRESULT GetDevice(IDirect3DDevice9** device) override;
    HRESULT GetVertexBuffer(IDirect3DVertexBuffer9** buffer) override;
    HRESULT GetIndexBuffer(IDirect3DIndexBuffer9** buffer) override;
    HRESULT LockAttributeBuffer(DWORD flags, DWORD** attributes) override;
    HRESULT UnlockAttributeBuffer() override;

    // False when the buffers are not the memory-backed ones of our devices.
    bool Geometry(MeshGeometry& geometry) const;

private:
    // A stretch of consecutive faces of one attribute.
    struct Run {
        DWORD attribute;
        DWORD firstFace;
        DWORD faceCount;
    };
    void FindRuns();

    IDirect3DDevice9* device_;  // not counted: meshes are released before the device
    DWORD fvf_;
    DWORD vertexCount_;
    IDirect3DVertexBuffer9* vertices_;
    IDirect3DIndexBuffer9* indices_;
    bool index32_;
    std::vector<DWORD> attributes_;
    std::vector<Run> runs_;
    bool attributesLocked_ = false;
};

// Makes a mesh on the device from vertices laid out as fvf says and triangles given as
// index triples with one attribute each; faces are stored grouped by attribute, keeping
// their order within a group. 16-bit indices unless options ask for 32 or the vertex count
// needs them. Options choose the buffers' pool.
HRESULT CreateMesh(IDirect3DDevice9* device, DWORD options, DWORD fvf, DWORD vertexCount,
                   std::span<const uint8_t> vertexBytes, std::span<const uint32_t> indices,
                   std::span<const DWORD> attributes, ID3DXMesh** mesh);

}  // namespace d3dx9
