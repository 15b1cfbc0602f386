// The .x reader on arbitrary bytes: every encoding, the parser and the mesh builder.
#include <cstddef>
#include <cstdint>

#include "xfile_mesh.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    d3dx9::xfile::XMeshData mesh;
    std::string error;
    d3dx9::xfile::ReadXMesh(std::span<const uint8_t>(data, size), mesh, error);
    return 0;
}
