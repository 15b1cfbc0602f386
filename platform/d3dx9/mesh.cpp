// The mesh object and its creation on a device.
#include "mesh.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "resources.h"

namespace d3dx9 {

Mesh::Mesh(IDirect3DDevice9* device, DWORD fvf, DWORD vertexCount, IDirect3DVertexBuffer9* vertices,
           IDirect3DIndexBuffer9* indices, bool index32, std::vector<DWORD> attributes)
    : device_(device), fvf_(fvf), vertexCount_(vertexCount), vertices_(vertices), indices_(indices),
      index32_(index32), attributes_(std::move(attributes)),
      memoryVertices_(dynamic_cast<const d3d9::MemoryVertexBuffer*>(vertices)),
      memoryIndices_(dynamic_cast<const d3d9::MemoryIndexBuffer*>(indices))
{
    FindRuns();
}

Mesh::~Mesh()
{
    vertices_->Release();
    indices_->Release();
}

void Mesh::FindRuns()
{
    runs_.clear();
    for (DWORD face = 0; face < attributes_.size(); ++face) {
        if (runs_.empty() || runs_.back().attribute != attributes_[face])
            runs_.push_back({attributes_[face], face, 0});
        ++runs_.back().faceCount;
    }
}

HRESULT Mesh::DrawSubset(DWORD attributeId)
{
    if (!device_) return D3DERR_INVALIDCALL;
    bool streamsSet = false;
    for (const Run& run : runs_) {
        if (run.attribute != attributeId) continue;
        if (!streamsSet) {
            device_->SetFVF(fvf_);
            device_->SetStreamSource(0, vertices_, 0, D3DXGetFVFVertexSize(fvf_));
            device_->SetIndices(indices_);
            streamsSet = true;
        }
        HRESULT result = device_->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, vertexCount_, run.firstFace * 3,
                                                       run.faceCount);
        if (result < 0) return result;
    }
    return D3D_OK;
}

HRESULT Mesh::GetDevice(IDirect3DDevice9** device)
{
    if (!device) return D3DERR_INVALIDCALL;
    *device = device_;
    if (device_) device_->AddRef();
    return D3D_OK;
}

HRESULT Mesh::GetVertexBuffer(IDirect3DVertexBuffer9** buffer)
{
    if (!buffer) return D3DERR_INVALIDCALL;
    *buffer = vertices_;
    vertices_->AddRef();
    return D3D_OK;
}

HRESULT Mesh::GetIndexBuffer(IDirect3DIndexBuffer9** buffer)
{
    if (!buffer) return D3DERR_INVALIDCALL;
    *buffer = indices_;
    indices_->AddRef();
    return D3D_OK;
}

HRESULT Mesh::LockAttributeBuffer(DWORD, DWORD** attributes)
{
    if (!attributes || attributesLocked_) return D3DERR_INVALIDCALL;
    *attributes = attributes_.data();
    attributesLocked_ = true;
    return D3D_OK;
}

HRESULT Mesh::UnlockAttributeBuffer()
{
    if (!attributesLocked_) return D3DERR_INVALIDCALL;
    attributesLocked_ = false;
    FindRuns();  // the caller may have moved faces between subsets
    return D3D_OK;
}

const RayFaces* Mesh::FacesForRays()
{
    if (!memoryVertices_ || !memoryIndices_) return nullptr;
    if (memoryVertices_->Version() != rayVertexVersion_ || memoryIndices_->Version() != rayIndexVersion_) {
        BuildRayFaces({memoryVertices_->Bytes().data(), D3DXGetFVFVertexSize(fvf_), vertexCount_,
                       memoryIndices_->Bytes().data(), index32_, DWORD(attributes_.size())},
                      rayFaces_);
        rayVertexVersion_ = memoryVertices_->Version();
        rayIndexVersion_ = memoryIndices_->Version();
    }
    return &rayFaces_;
}

namespace {

D3DPOOL PoolFor(DWORD options)
{
    if ((options & D3DXMESH_SYSTEMMEM) == D3DXMESH_SYSTEMMEM) return D3DPOOL_SYSTEMMEM;
    if ((options & D3DXMESH_MANAGED) == D3DXMESH_MANAGED) return D3DPOOL_MANAGED;
    return D3DPOOL_DEFAULT;
}

template <class Buffer>
HRESULT Fill(Buffer* buffer, const void* bytes, size_t size)
{
    void* target = nullptr;
    HRESULT result = buffer->Lock(0, 0, &target, 0);
    if (result < 0) return result;
    std::memcpy(target, bytes, size);
    return buffer->Unlock();
}

}  // namespace

HRESULT CreateMesh(IDirect3DDevice9* device, DWORD options, DWORD fvf, DWORD vertexCount,
                   std::span<const uint8_t> vertexBytes, std::span<const uint32_t> indices,
                   std::span<const DWORD> attributes, ID3DXMesh** mesh)
{
    const UINT stride = D3DXGetFVFVertexSize(fvf);
    const size_t faceCount = attributes.size();
    if (!device || !mesh || vertexCount == 0 || faceCount == 0 || indices.size() != faceCount * 3 ||
        vertexBytes.size() != size_t(vertexCount) * stride)
        return D3DERR_INVALIDCALL;
    if (std::any_of(indices.begin(), indices.end(), [&](uint32_t index) { return index >= vertexCount; }))
        return D3DERR_INVALIDCALL;

    std::vector<DWORD> order(faceCount);
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [&](DWORD a, DWORD b) { return attributes[a] < attributes[b]; });
    std::vector<DWORD> sortedAttributes(faceCount);
    const bool index32 = (options & D3DXMESH_32BIT) || vertexCount > 0xFFFF;
    const size_t indexSize = index32 ? 4 : 2;
    std::vector<uint8_t> indexBytes(faceCount * 3 * indexSize);
    for (size_t face = 0; face < faceCount; ++face) {
        sortedAttributes[face] = attributes[order[face]];
        for (size_t corner = 0; corner < 3; ++corner) {
            uint32_t index = indices[order[face] * 3 + corner];
            uint8_t* target = indexBytes.data() + (face * 3 + corner) * indexSize;
            if (index32) {
                std::memcpy(target, &index, 4);
            } else {
                uint16_t shortIndex = uint16_t(index);
                std::memcpy(target, &shortIndex, 2);
            }
        }
    }

    const D3DPOOL pool = PoolFor(options);
    IDirect3DVertexBuffer9* vertexBuffer = nullptr;
    IDirect3DIndexBuffer9* indexBuffer = nullptr;
    HRESULT result = device->CreateVertexBuffer(UINT(vertexBytes.size()), 0, fvf, pool, &vertexBuffer, nullptr);
    if (result >= 0)
        result = device->CreateIndexBuffer(UINT(indexBytes.size()), 0, index32 ? D3DFMT_INDEX32 : D3DFMT_INDEX16,
                                           pool, &indexBuffer, nullptr);
    if (result >= 0) result = Fill(vertexBuffer, vertexBytes.data(), vertexBytes.size());
    if (result >= 0) result = Fill(indexBuffer, indexBytes.data(), indexBytes.size());
    if (result < 0) {
        if (vertexBuffer) vertexBuffer->Release();
        if (indexBuffer) indexBuffer->Release();
        return result;
    }
    *mesh = new Mesh(device, fvf, vertexCount, vertexBuffer, indexBuffer, index32, std::move(sortedAttributes));
    return D3D_OK;
}

}  // namespace d3dx9
