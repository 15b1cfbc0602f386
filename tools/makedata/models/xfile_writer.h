// Writes a mesh as a DirectX .x file: one Mesh with its normals, texture coordinates and
// material list, in the text or the binary encoding.
#pragma once

#include <filesystem>

#include "models/mesh.h"

namespace makedata {

void WriteXText(const Mesh& mesh, const std::filesystem::path& file);
void WriteXBinary(const Mesh& mesh, const std::filesystem::path& file);

// Every material gets a white face colour (the game replaces it with the object's colour
// when drawing), no specular colour, and its own emissive colour.
inline constexpr float kMaterialPower = 120.0f;

}  // namespace makedata
