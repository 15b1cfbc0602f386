// What the .x reader makes of a file: every mesh of the frame hierarchy, moved by its
// frames' transforms, merged into one list of vertices and triangles with one material per
// triangle. Vertices always carry a normal: the file's own (split where one position takes
// several), or, for a mesh without normals, the smooth normal of the faces around the
// position, weighted by their areas.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "d3dx9math.h"
#include "xfile_document.h"

namespace d3dx9::xfile {

struct XVertex {
    D3DXVECTOR3 position{0.0f, 0.0f, 0.0f};
    D3DXVECTOR3 normal{0.0f, 0.0f, 0.0f};
    D3DCOLOR colour = 0xFFFFFFFF;  // opaque white where the file gives none
    float u = 0.0f, v = 0.0f;
};

struct XMaterial {
    D3DMATERIAL9 material{};
    bool hasTexture = false;
    std::string texture;  // the file name as written in the file
};

struct XMeshData {
    std::vector<XVertex> vertices;
    std::vector<uint32_t> indices;     // three per triangle
    std::vector<uint32_t> attributes;  // the material of each triangle
    std::vector<XMaterial> materials;
    bool hasColours = false;           // some mesh gave vertex colours
    bool hasTexCoords = false;         // some mesh gave texture coordinates
};

// Polygons become fans of triangles. A mesh without a material list gets one white
// material; a material list with fewer face entries than faces repeats its last entry.
// Fails when the file holds no face at all.
bool BuildXMesh(const XDocument& document, XMeshData& mesh, std::string& error);

// The whole reader over a file in memory: parse, then build.
bool ReadXMesh(std::span<const uint8_t> file, XMeshData& mesh, std::string& error);

}  // namespace d3dx9::xfile
