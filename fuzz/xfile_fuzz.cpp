// The .x reader in every encoding, through D3DXLoadMeshFromXA as the model loader calls it
// on the stand-in device. A mesh that loads must be one the game can measure, draw and aim
// rays at: indices inside the vertices, a material for every face.
#include <cstdint>
#include <cstring>

#include "input_file.h"
#include "stand_in_device.h"

namespace {

void CheckIndices(ID3DXMesh* mesh)
{
    IDirect3DIndexBuffer9* indices = nullptr;
    D3DINDEXBUFFER_DESC desc;
    void* data = nullptr;
    if (FAILED(mesh->GetIndexBuffer(&indices)) || FAILED(indices->GetDesc(&desc)) ||
        FAILED(indices->Lock(0, 0, &data, D3DLOCK_READONLY)))
        __builtin_trap();
    const size_t size = desc.Format == D3DFMT_INDEX32 ? 4 : 2;
    if (desc.Size != 3 * mesh->GetNumFaces() * size) __builtin_trap();
    for (size_t i = 0; i < 3 * mesh->GetNumFaces(); ++i) {
        uint32_t index = 0;
        std::memcpy(&index, static_cast<const uint8_t*>(data) + i * size, size);
        if (index >= mesh->GetNumVertices()) __builtin_trap();
    }
    indices->Unlock();
    indices->Release();
}

void CheckMaterials(ID3DXMesh* mesh, DWORD materialCount)
{
    DWORD* attributes = nullptr;
    if (FAILED(mesh->LockAttributeBuffer(D3DLOCK_READONLY, &attributes))) __builtin_trap();
    for (DWORD face = 0; face < mesh->GetNumFaces(); ++face)
        if (attributes[face] >= materialCount) __builtin_trap();
    mesh->UnlockAttributeBuffer();
}

// What the game does with a model: its bounding sphere, each subset drawn, a ray through it.
void UseAsTheGameDoes(ID3DXMesh* mesh, DWORD materialCount)
{
    IDirect3DVertexBuffer9* vertices = nullptr;
    void* data = nullptr;
    if (FAILED(mesh->GetVertexBuffer(&vertices)) || FAILED(vertices->Lock(0, 0, &data, D3DLOCK_READONLY)))
        __builtin_trap();
    D3DXVECTOR3 centre;
    float radius = 0.0f;
    D3DXComputeBoundingSphere(static_cast<const D3DXVECTOR3*>(data), mesh->GetNumVertices(),
                              D3DXGetFVFVertexSize(mesh->GetFVF()), &centre, &radius);
    vertices->Unlock();
    vertices->Release();
    for (DWORD material = 0; material < materialCount; ++material) mesh->DrawSubset(material);

    const D3DXVECTOR3 from(centre.x, centre.y, centre.z - 2 * radius - 1), along(0, 0, 1);
    BOOL hit = FALSE;
    DWORD face = 0;
    float u = 0, v = 0, distance = 0;
    D3DXIntersect(mesh, &from, &along, &hit, &face, &u, &v, &distance, nullptr, nullptr);
    if (hit && face >= mesh->GetNumFaces()) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    IDirect3DDevice9* device = StandInDevice();
    const char* file = WriteInputFile(data, size, ".x");
    if (!file) return 0;

    ID3DXBuffer* materials = nullptr;
    DWORD materialCount = 0;
    ID3DXMesh* mesh = nullptr;
    if (FAILED(D3DXLoadMeshFromXA(file, D3DXMESH_SYSTEMMEM, device, nullptr, &materials, nullptr, &materialCount,
                                  &mesh))) {
        if (mesh || materials) __builtin_trap();  // a failure hands out nothing
        return 0;
    }
    CheckIndices(mesh);
    CheckMaterials(mesh, materialCount);
    UseAsTheGameDoes(mesh, materialCount);
    mesh->Release();
    materials->Release();
    return 0;
}
