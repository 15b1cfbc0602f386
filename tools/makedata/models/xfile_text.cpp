// The text encoding of a .x file ("xof 0303txt 0032"), relying on the standard templates.
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

#include "models/xfile_writer.h"

namespace makedata {

namespace {

std::string Number(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", static_cast<double>(value));
    return text;
}

// The separator after element i of n: a comma between elements, a semicolon at the end.
const char* After(size_t i, size_t n)
{
    return i + 1 < n ? "," : ";";
}

void WriteFaces(std::ofstream& out, const Mesh& mesh, const char* indent)
{
    out << indent << mesh.faces.size() << ";\n";
    for (size_t i = 0; i < mesh.faces.size(); ++i) {
        const auto& face = mesh.faces[i];
        out << indent << "3;" << face[0] << ',' << face[1] << ',' << face[2] << ';' << After(i, mesh.faces.size())
            << '\n';
    }
}

}  // namespace

void WriteXText(const Mesh& mesh, const std::filesystem::path& file)
{
    std::ofstream out(file, std::ios::binary);
    if (!out) throw std::runtime_error("cannot write " + file.string());
    const size_t n = mesh.vertices.size();
    out << "xof 0303txt 0032\n\nMesh " << file.stem().string() << " {\n " << n << ";\n";
    for (size_t i = 0; i < n; ++i) {
        const Vec3 p = mesh.vertices[i].position;
        out << ' ' << Number(p.x) << ';' << Number(p.y) << ';' << Number(p.z) << ';' << After(i, n) << '\n';
    }
    WriteFaces(out, mesh, " ");

    out << "\n MeshNormals {\n  " << n << ";\n";
    for (size_t i = 0; i < n; ++i) {
        const Vec3 p = mesh.vertices[i].normal;
        out << "  " << Number(p.x) << ';' << Number(p.y) << ';' << Number(p.z) << ';' << After(i, n) << '\n';
    }
    WriteFaces(out, mesh, "  ");
    out << " }\n\n MeshTextureCoords {\n  " << n << ";\n";
    for (size_t i = 0; i < n; ++i) {
        out << "  " << Number(mesh.vertices[i].u) << ';' << Number(mesh.vertices[i].v) << ';' << After(i, n) << '\n';
    }
    out << " }\n\n MeshMaterialList {\n  " << mesh.materials.size() << ";\n  " << mesh.faceMaterials.size() << ";\n";
    for (size_t i = 0; i < mesh.faceMaterials.size(); ++i) {
        out << "  " << mesh.faceMaterials[i] << After(i, mesh.faceMaterials.size()) << '\n';
    }
    for (const Material& material : mesh.materials) {
        const Colour e = material.emissive;
        out << "\n  Material {\n   1.000000;1.000000;1.000000;1.000000;;\n   " << Number(kMaterialPower)
            << ";\n   0.000000;0.000000;0.000000;;\n   " << Number(e.r) << ';' << Number(e.g) << ';' << Number(e.b)
            << ";;\n";
        if (!material.texture.empty()) {
            out << "\n   TextureFilename {\n    \"" << material.texture << "\";\n   }\n";
        }
        out << "  }\n";
    }
    out << " }\n}\n";
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace makedata
