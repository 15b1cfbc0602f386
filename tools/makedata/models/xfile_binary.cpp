// The binary encoding of a .x file ("xof 0303bin 0032"): a stream of little-endian tokens,
// each data object's numbers gathered into integer and float lists.
#include <bit>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "models/xfile_writer.h"

namespace makedata {

namespace {

enum Token : uint16_t {
    kName = 1,
    kString = 2,
    kIntegerList = 6,
    kFloatList = 7,
    kOpenBrace = 10,
    kCloseBrace = 11,
    kSemicolon = 20,
};

class TokenStream {
public:
    void Word(uint16_t value) { Bytes(&value, 2); }
    void Dword(uint32_t value) { Bytes(&value, 4); }
    void Text(const std::string& text, Token token)
    {
        Word(token);
        Dword(static_cast<uint32_t>(text.size()));
        Bytes(text.data(), text.size());
        if (token == kString) Word(kSemicolon);
    }
    void Open(const std::string& templateName)
    {
        Text(templateName, kName);
        Word(kOpenBrace);
    }
    void Close() { Word(kCloseBrace); }
    void Integers(const std::vector<uint32_t>& values)
    {
        Word(kIntegerList);
        Dword(static_cast<uint32_t>(values.size()));
        for (uint32_t value : values) Dword(value);
    }
    void Floats(const std::vector<float>& values)
    {
        Word(kFloatList);
        Dword(static_cast<uint32_t>(values.size()));
        for (float value : values) {
            uint32_t bits;
            std::memcpy(&bits, &value, 4);
            Dword(bits);
        }
    }
    const std::vector<uint8_t>& bytes() const { return bytes_; }

private:
    // The machine is little-endian, as the encoding is.
    void Bytes(const void* data, size_t size)
    {
        const uint8_t* p = static_cast<const uint8_t*>(data);
        bytes_.insert(bytes_.end(), p, p + size);
    }
    std::vector<uint8_t> bytes_;
};

std::vector<uint32_t> FaceList(const Mesh& mesh)
{
    std::vector<uint32_t> list = {static_cast<uint32_t>(mesh.faces.size())};
    for (const auto& face : mesh.faces) list.insert(list.end(), {3u, face[0], face[1], face[2]});
    return list;
}

}  // namespace

void WriteXBinary(const Mesh& mesh, const std::filesystem::path& file)
{
    static_assert(std::endian::native == std::endian::little);
    TokenStream out;
    const uint32_t n = static_cast<uint32_t>(mesh.vertices.size());
    std::vector<float> positions, normals, uvs;
    for (const Vertex& vertex : mesh.vertices) {
        positions.insert(positions.end(), {vertex.position.x, vertex.position.y, vertex.position.z});
        normals.insert(normals.end(), {vertex.normal.x, vertex.normal.y, vertex.normal.z});
        uvs.insert(uvs.end(), {vertex.u, vertex.v});
    }

    out.Text("Mesh", kName);
    out.Text(file.stem().string(), kName);
    out.Word(kOpenBrace);
    out.Integers({n});
    out.Floats(positions);
    out.Integers(FaceList(mesh));

    out.Open("MeshNormals");
    out.Integers({n});
    out.Floats(normals);
    out.Integers(FaceList(mesh));
    out.Close();

    out.Open("MeshTextureCoords");
    out.Integers({n});
    out.Floats(uvs);
    out.Close();

    out.Open("MeshMaterialList");
    std::vector<uint32_t> list = {static_cast<uint32_t>(mesh.materials.size()),
                                  static_cast<uint32_t>(mesh.faceMaterials.size())};
    list.insert(list.end(), mesh.faceMaterials.begin(), mesh.faceMaterials.end());
    out.Integers(list);
    for (const Material& material : mesh.materials) {
        out.Open("Material");
        const Colour e = material.emissive;
        out.Floats({1.0f, 1.0f, 1.0f, 1.0f, kMaterialPower, 0.0f, 0.0f, 0.0f, e.r, e.g, e.b});
        if (!material.texture.empty()) {
            out.Open("TextureFilename");
            out.Text(material.texture, kString);
            out.Close();
        }
        out.Close();
    }
    out.Close();
    out.Close();

    std::ofstream stream(file, std::ios::binary);
    stream.write("xof 0303bin 0032", 16);
    stream.write(reinterpret_cast<const char*>(out.bytes().data()), static_cast<std::streamsize>(out.bytes().size()));
    if (!stream) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace makedata
