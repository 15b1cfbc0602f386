// The .x reader on arbitrary bytes: every encoding, the parser and the mesh builder. A
// mesh that is read must also be one the game can draw: whole triangles, indices inside
// the vertices, a material for every triangle.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "xfile_mesh.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    d3dx9::xfile::XMeshData mesh;
    std::string error;
    if (!d3dx9::xfile::ReadXMesh(std::span<const uint8_t>(data, size), mesh, error)) return 0;
    if (mesh.indices.size() != 3 * mesh.attributes.size()) std::abort();
    for (uint32_t index : mesh.indices)
        if (index >= mesh.vertices.size()) std::abort();
    for (uint32_t attribute : mesh.attributes)
        if (attribute >= mesh.materials.size()) std::abort();
    return 0;
}
