// One Mesh data object of a .x file, with its normals, texture coordinates, vertex colours
// and material list, appended to the reader's result.
#pragma once

#include <string>
#include <unordered_map>

#include "xfile_mesh.h"
#include "xfile_transform.h"

namespace d3dx9::xfile {

// Named Material objects of the whole file, for material lists that refer to them.
using MaterialIndex = std::unordered_map<std::string, const XObject*>;

bool AppendMesh(const XObject& mesh, const Transform& world, const MaterialIndex& materials, XMeshData& out,
                std::string& error);

}  // namespace d3dx9::xfile
