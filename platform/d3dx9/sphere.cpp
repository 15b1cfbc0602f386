// D3DXCreateSphere: a UV sphere about the origin with its poles on the z axis; positions
// and unit normals, faces wound clockwise seen from outside.
#include <cmath>
#include <vector>

#include "d3dx9mesh.h"
#include "mesh.h"
#include "resources.h"

HRESULT WINAPI D3DXCreateSphere(IDirect3DDevice9* device, float radius, UINT slices, UINT stacks,
                                ID3DXMesh** mesh, ID3DXBuffer** adjacency)
{
    if (!device || !mesh || adjacency || !(radius >= 0.0f) || slices < 2 || stacks < 2)
        return D3DERR_INVALIDCALL;
    // Refuse before building a sphere whose buffers no device would take (position and
    // normal per vertex, six 32-bit indices per quad of the mesh).
    const uint64_t vertexBytes = (uint64_t(stacks - 1) * slices + 2) * 24;
    const uint64_t indexBytes = uint64_t(stacks) * slices * 6 * 4;
    if (vertexBytes > d3d9::kMaxBufferBytes || indexBytes > d3d9::kMaxBufferBytes) return D3DERR_INVALIDCALL;

    struct Vertex {
        D3DXVECTOR3 position, normal;
    };
    std::vector<Vertex> vertices;
    auto add = [&](const D3DXVECTOR3& normal) { vertices.push_back({normal * radius, normal}); };
    add({0.0f, 0.0f, 1.0f});
    for (UINT stack = 1; stack < stacks; ++stack) {
        double theta = M_PI * stack / stacks;
        for (UINT slice = 0; slice < slices; ++slice) {
            double phi = 2.0 * M_PI * slice / slices;
            add({float(std::sin(theta) * std::cos(phi)), float(std::sin(theta) * std::sin(phi)),
                 float(std::cos(theta))});
        }
    }
    add({0.0f, 0.0f, -1.0f});

    // Ring r (0 for the first below the top pole) starts at vertex 1 + r * slices.
    const uint32_t bottom = uint32_t(vertices.size() - 1);
    auto ring = [&](UINT r, UINT slice) { return 1 + r * slices + slice % slices; };
    std::vector<uint32_t> indices;
    for (UINT slice = 0; slice < slices; ++slice)
        indices.insert(indices.end(), {0, ring(0, slice), ring(0, slice + 1)});
    for (UINT r = 0; r + 1 < stacks - 1; ++r)
        for (UINT slice = 0; slice < slices; ++slice) {
            uint32_t a = ring(r, slice), b = ring(r, slice + 1), c = ring(r + 1, slice), d = ring(r + 1, slice + 1);
            indices.insert(indices.end(), {a, c, b, b, c, d});
        }
    for (UINT slice = 0; slice < slices; ++slice)
        indices.insert(indices.end(), {bottom, ring(stacks - 2, slice + 1), ring(stacks - 2, slice)});

    std::vector<DWORD> attributes(indices.size() / 3, 0);
    auto* bytes = reinterpret_cast<const uint8_t*>(vertices.data());
    return d3dx9::CreateMesh(device, D3DXMESH_MANAGED, D3DFVF_XYZ | D3DFVF_NORMAL, DWORD(vertices.size()),
                             std::span<const uint8_t>(bytes, vertices.size() * sizeof(Vertex)), indices, attributes,
                             mesh);
}
