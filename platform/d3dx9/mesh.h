// ID3DXMesh over device vertex and index buffers: triangle lists whose faces are grouped by
// subset (attribute), each subset drawn with one indexed draw call from buffers that were
// filled once, so a device with a GPU uploads them once.
#pragma once

#include <span>
#include <vector>

#include "d3dx9mesh.h"
#include "ray_faces.h"

namespace d3d9 {
class MemoryVertexBuffer;
class MemoryIndexBuffer;
}  // namespace d3d9

namespace d3dx9 {

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

    // The faces as the ray test reads them, built on first use and again whenever either
    // buffer has been unlocked since (which is how their contents change); null when the
    // buffers are not the memory-backed ones of our devices.
    const RayFaces* FacesForRays();

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
    // The same buffers when they are memory-backed, else null.
    const d3d9::MemoryVertexBuffer* memoryVertices_;
    const d3d9::MemoryIndexBuffer* memoryIndices_;
    RayFaces rayFaces_;
    // The buffers' versions rayFaces_ was built from; 0 before it is built (versions start at 1).
    uint64_t rayVertexVersion_ = 0;
    uint64_t rayIndexVersion_ = 0;
};

// Makes a mesh on the device from vertices laid out as fvf says and triangles given as
// index triples with one attribute each; faces are stored grouped by attribute, keeping
// their order within a group. 16-bit indices unless options ask for 32 or the vertex count
// needs them. Options choose the buffers' pool.
HRESULT CreateMesh(IDirect3DDevice9* device, DWORD options, DWORD fvf, DWORD vertexCount,
                   std::span<const uint8_t> vertexBytes, std::span<const uint32_t> indices,
                   std::span<const DWORD> attributes, ID3DXMesh** mesh);

}  // namespace d3dx9
