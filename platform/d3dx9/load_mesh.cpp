// D3DXLoadMeshFromXA: our .x reader, then the mesh on the device and the material records.
#include <cstdio>
#include <cstring>

#include "buffer.h"
#include "d3dx9.h"
#include "file_bytes.h"
#include "load_log.h"
#include "load_observer.h"
#include "mesh.h"
#include "xfile_mesh.h"

namespace {

DWORD VertexFormat(const d3dx9::xfile::XMeshData& data)
{
    return D3DFVF_XYZ | D3DFVF_NORMAL | (data.hasColours ? D3DFVF_DIFFUSE : 0) | (data.hasTexCoords ? D3DFVF_TEX1 : 0);
}

std::vector<uint8_t> VertexBytes(const d3dx9::xfile::XMeshData& data, DWORD fvf)
{
    std::vector<uint8_t> bytes;
    bytes.reserve(data.vertices.size() * D3DXGetFVFVertexSize(fvf));
    auto append = [&bytes](const void* value, size_t size) {
        const uint8_t* p = static_cast<const uint8_t*>(value);
        bytes.insert(bytes.end(), p, p + size);
    };
    for (const d3dx9::xfile::XVertex& vertex : data.vertices) {
        append(&vertex.position, 12);
        append(&vertex.normal, 12);
        if (fvf & D3DFVF_DIFFUSE) append(&vertex.colour, 4);
        if (fvf & D3DFVF_TEX1) append(&vertex.u, 4), append(&vertex.v, 4);
    }
    return bytes;
}

// The D3DXMATERIAL records, followed by the texture names they point to.
ID3DXBuffer* MaterialBuffer(const std::vector<d3dx9::xfile::XMaterial>& materials)
{
    size_t bytes = materials.size() * sizeof(D3DXMATERIAL);
    for (const auto& material : materials)
        if (material.hasTexture) bytes += material.texture.size() + 1;
    auto* buffer = new d3dx9::Buffer(bytes);
    auto* records = static_cast<D3DXMATERIAL*>(buffer->GetBufferPointer());
    char* names = reinterpret_cast<char*>(records + materials.size());
    for (size_t i = 0; i < materials.size(); ++i) {
        records[i].MatD3D = materials[i].material;
        records[i].pTextureFilename = nullptr;
        if (materials[i].hasTexture) {
            std::memcpy(names, materials[i].texture.c_str(), materials[i].texture.size() + 1);
            records[i].pTextureFilename = names;
            names += materials[i].texture.size() + 1;
        }
    }
    return buffer;
}

HRESULT Refuse(const char* file, const char* reason, HRESULT result)
{
    win32::LogLoadFailure("mesh", file, reason);
    return result;
}

}  // namespace

HRESULT WINAPI D3DXLoadMeshFromXA(LPCSTR file, DWORD options, IDirect3DDevice9* device, ID3DXBuffer** adjacency,
                                  ID3DXBuffer** materials, ID3DXBuffer** effectInstances, DWORD* materialCount,
                                  ID3DXMesh** mesh)
{
    if (d3dx9::LoadObserver* observer = d3dx9::TheLoadObserver()) observer->MeshFromX(file, options);
    // Adjacency and effect instances are not made: nothing asks for them.
    if (!file || !device || !mesh || adjacency || effectInstances) return D3DERR_INVALIDCALL;

    std::vector<uint8_t> bytes;
    if (!d3dx9::ReadWholeFile(file, d3dx9::xfile::kMaxXFileBytes, bytes)) return Refuse(file, "cannot open", E_FAIL);
    d3dx9::xfile::XMeshData data;
    std::string error;
    if (!d3dx9::xfile::ReadXMesh(bytes, data, error)) return Refuse(file, error.c_str(), D3DXERR_INVALIDDATA);

    const DWORD fvf = VertexFormat(data);
    std::vector<uint8_t> vertexBytes = VertexBytes(data, fvf);
    ID3DXMesh* made = nullptr;
    HRESULT result = d3dx9::CreateMesh(device, options, fvf, DWORD(data.vertices.size()), vertexBytes, data.indices,
                                       data.attributes, &made);
    if (result < 0) return Refuse(file, "the device refused the mesh", result);
    *mesh = made;
    if (materials) *materials = MaterialBuffer(data.materials);
    if (materialCount) *materialCount = DWORD(data.materials.size());
    return D3D_OK;
}
