// The .x reader in every encoding, through D3DXLoadMeshFromXA as the model loader calls it
// on the stand-in device. A mesh that loads must be one the game can measure and draw:
// indices inside the vertices, a material for every face.
#include <cstdint>
#include <cstring>

#include "input_file.h"
#include "mesh.h"
#include "stand_in_device.h"

namespace {

void CheckMesh(ID3DXMesh* mesh, DWORD materialCount)
{
    d3dx9::MeshGeometry geometry;
    if (!static_cast<d3dx9::Mesh*>(mesh)->Geometry(geometry)) __builtin_trap();
    for (DWORD i = 0; i < 3 * geometry.faceCount; ++i) {
        uint32_t index = 0;
        std::memcpy(&index, geometry.indices + i * (geometry.index32 ? 4 : 2), geometry.index32 ? 4 : 2);
        if (index >= geometry.vertexCount) __builtin_trap();
    }
    DWORD* attributes = nullptr;
    if (FAILED(mesh->LockAttributeBuffer(D3DLOCK_READONLY, &attributes))) __builtin_trap();
    for (DWORD face = 0; face < geometry.faceCount; ++face)
        if (attributes[face] >= materialCount) __builtin_trap();
    mesh->UnlockAttributeBuffer();

    D3DXVECTOR3 centre;
    float radius = 0.0f;
    D3DXComputeBoundingSphere(reinterpret_cast<const D3DXVECTOR3*>(geometry.vertices), geometry.vertexCount,
                              geometry.stride, &centre, &radius);
    for (DWORD material = 0; material < materialCount; ++material) mesh->DrawSubset(material);
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
    CheckMesh(mesh, materialCount);
    mesh->Release();
    materials->Release();
    return 0;
}
