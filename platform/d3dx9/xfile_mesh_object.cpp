// Reads one Mesh object. Faces are read as polygons first; vertices are made per pair of
// position and normal, so one position with different normals on its faces is split.
#include "xfile_mesh_object.h"

#include <unordered_map>

#include "xfile_values.h"

namespace d3dx9::xfile {

namespace {

// Polygons: corner indices of face f are corners[starts[f]] up to corners[starts[f + 1]].
struct Polygons {
    std::vector<uint32_t> starts{0};
    std::vector<uint32_t> corners;

    size_t Count() const { return starts.size() - 1; }
    uint32_t Size(size_t face) const { return starts[face + 1] - starts[face]; }
};

// "n; i0, i1, ...;" for each face, every index below limit; expected gives the corner count
// each face must have (the mesh's own faces, for the normals' faces).
bool ReadPolygons(Values& values, uint32_t limit, const Polygons* expected, Polygons& polygons)
{
    uint32_t faces;
    if (!values.Count(faces, 4)) return false;
    if (expected && faces != expected->Count()) return false;
    for (uint32_t f = 0; f < faces; ++f) {
        uint32_t size;
        if (!values.Count(size, 1) || size < 3) return false;
        if (expected && size != expected->Size(f)) return false;
        for (uint32_t k = 0; k < size; ++k) {
            uint32_t index;
            if (!values.Index(index, limit)) return false;
            polygons.corners.push_back(index);
        }
        polygons.starts.push_back(uint32_t(polygons.corners.size()));
    }
    return true;
}

bool ReadVectors(Values& values, std::vector<D3DXVECTOR3>& vectors)
{
    uint32_t count;
    if (!values.Count(count, 3)) return false;
    vectors.resize(count);
    for (D3DXVECTOR3& v : vectors) values.Float(v.x), values.Float(v.y), values.Float(v.z);
    return true;
}

const XObject* FirstChild(const XObject& object, std::string_view type)
{
    for (const XObject& child : object.children)
        if (!child.reference && SameName(child.type, type)) return &child;
    return nullptr;
}

D3DCOLOR PackColour(float r, float g, float b, float a)
{
    auto byte = [](float c) { return DWORD(c > 0.0f ? (c < 1.0f ? c * 255.0f + 0.5f : 255.0f) : 0.0f); };
    return byte(a) << 24 | byte(r) << 16 | byte(g) << 8 | byte(b);
}

// Face colour (RGBA), power, specular (RGB), emissive (RGB), then an optional texture.
bool ReadMaterial(const XObject& object, XMaterial& material, std::string& error)
{
    Values values(object.numbers);
    D3DMATERIAL9& m = material.material;
    if (values.Left() < 11) {
        error = "material with too few values";
        return false;
    }
    values.Float(m.Diffuse.r), values.Float(m.Diffuse.g), values.Float(m.Diffuse.b), values.Float(m.Diffuse.a);
    values.Float(m.Power);
    values.Float(m.Specular.r), values.Float(m.Specular.g), values.Float(m.Specular.b);
    values.Float(m.Emissive.r), values.Float(m.Emissive.g), values.Float(m.Emissive.b);
    m.Specular.a = m.Emissive.a = 1.0f;
    if (const XObject* texture = FirstChild(object, "TextureFilename")) {
        if (texture->strings.empty()) {
            error = "texture without a file name";
            return false;
        }
        material.hasTexture = true;
        material.texture = texture->strings.front();
    }
    return true;
}

XMaterial DefaultMaterial()
{
    XMaterial material;
    material.material.Diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
    material.material.Specular.a = material.material.Emissive.a = 1.0f;
    return material;
}

// Appends the list's materials to out and gives each face its material there.
bool ReadMaterialList(const XObject* list, const MaterialIndex& index, size_t faces,
                      std::vector<uint32_t>& faceMaterials, XMeshData& out, std::string& error)
{
    uint32_t first = uint32_t(out.materials.size());
    faceMaterials.assign(faces, first);
    uint32_t count = 0, entries = 0;
    static const std::vector<double> kNone;
    Values values(list ? list->numbers : kNone);
    if (list && (!values.Count(count, 0) || !values.Count(entries, 1))) {
        error = "bad material list";
        return false;
    }
    if (count == 0) {
        out.materials.push_back(DefaultMaterial());
        return true;
    }
    uint32_t last = 0;
    for (size_t f = 0; f < faces; ++f) {
        if (f < entries && !values.Index(last, count)) {
            error = "material index out of range";
            return false;
        }
        faceMaterials[f] = first + last;
    }
    for (const XObject& child : list->children) {
        if (out.materials.size() - first == count) break;
        const XObject* material = &child;
        if (child.reference) {
            auto found = index.find(child.name);
            if (found == index.end()) {
                error = "material list refers to an unknown material";
                return false;
            }
            material = found->second;
        } else if (!SameName(child.type, "Material")) {
            continue;
        }
        out.materials.emplace_back();
        if (!ReadMaterial(*material, out.materials.back(), error)) return false;
    }
    if (out.materials.size() - first < count) {
        error = "material list holds fewer materials than it counts";
        return false;
    }
    return true;
}

}  // namespace

bool AppendMesh(const XObject& mesh, const Transform& world, const MaterialIndex& materials, XMeshData& out,
                std::string& error)
{
    Values values(mesh.numbers);
    std::vector<D3DXVECTOR3> positions;
    Polygons faces;
    if (!ReadVectors(values, positions) || !ReadPolygons(values, uint32_t(positions.size()), nullptr, faces)) {
        error = "bad vertex or face list";
        return false;
    }
    if (faces.Count() == 0) return true;

    std::vector<D3DXVECTOR3> normals;
    Polygons normalFaces;
    const XObject* normalObject = FirstChild(mesh, "MeshNormals");
    if (normalObject) {
        Values normalValues(normalObject->numbers);
        if (!ReadVectors(normalValues, normals) ||
            !ReadPolygons(normalValues, uint32_t(normals.size()), &faces, normalFaces)) {
            error = "normals do not match the faces";
            return false;
        }
    }

    // Per position: texture coordinates and colour.
    std::vector<XVertex> perPosition(positions.size());
    for (size_t i = 0; i < positions.size(); ++i) perPosition[i].position = TransformPoint(positions[i], world);
    if (const XObject* coords = FirstChild(mesh, "MeshTextureCoords")) {
        Values coordValues(coords->numbers);
        uint32_t count;
        if (!coordValues.Count(count, 2) || count < positions.size()) {
            error = "fewer texture coordinates than vertices";
            return false;
        }
        for (XVertex& vertex : perPosition) coordValues.Float(vertex.u), coordValues.Float(vertex.v);
        out.hasTexCoords = true;
    }
    if (const XObject* colours = FirstChild(mesh, "MeshVertexColors")) {
        Values colourValues(colours->numbers);
        uint32_t count, at;
        if (!colourValues.Count(count, 5)) {
            error = "bad vertex colours";
            return false;
        }
        for (uint32_t i = 0; i < count; ++i) {
            float r = 0.0f, g = 0.0f, b = 0.0f, a = 0.0f;
            if (!colourValues.Index(at, uint32_t(positions.size()))) {
                error = "vertex colour index out of range";
                return false;
            }
            colourValues.Float(r), colourValues.Float(g), colourValues.Float(b), colourValues.Float(a);
            perPosition[at].colour = PackColour(r, g, b, a);
        }
        out.hasColours = true;
    }

    std::vector<uint32_t> faceMaterials;
    if (!ReadMaterialList(FirstChild(mesh, "MeshMaterialList"), materials, faces.Count(), faceMaterials, out,
                          error))
        return false;

    // Vertices: one per position, or one per (position, normal) pair in use.
    const uint32_t base = uint32_t(out.vertices.size());
    std::vector<uint32_t> cornerVertex(faces.corners.size());
    if (normalObject) {
        Transform normalTransform = NormalTransform(world);
        std::unordered_map<uint64_t, uint32_t> made;
        for (size_t c = 0; c < faces.corners.size(); ++c) {
            uint64_t key = uint64_t(faces.corners[c]) << 32 | normalFaces.corners[c];
            auto [found, added] = made.try_emplace(key, uint32_t(out.vertices.size()));
            if (added) {
                XVertex vertex = perPosition[faces.corners[c]];
                vertex.normal = TransformNormal(normals[normalFaces.corners[c]], normalTransform);
                out.vertices.push_back(vertex);
            }
            cornerVertex[c] = found->second;
        }
    } else {
        out.vertices.insert(out.vertices.end(), perPosition.begin(), perPosition.end());
        for (size_t c = 0; c < faces.corners.size(); ++c) cornerVertex[c] = base + faces.corners[c];
    }

    const size_t firstIndex = out.indices.size();
    for (size_t f = 0; f < faces.Count(); ++f) {
        uint32_t start = faces.starts[f];
        for (uint32_t k = 1; k + 1 < faces.Size(f); ++k) {
            out.indices.insert(out.indices.end(),
                               {cornerVertex[start], cornerVertex[start + k], cornerVertex[start + k + 1]});
            out.attributes.push_back(faceMaterials[f]);
        }
    }

    if (!normalObject) {
        // Cross products are twice the triangle's area: larger faces weigh more.
        for (size_t i = firstIndex; i < out.indices.size(); i += 3) {
            XVertex* corner[3] = {&out.vertices[out.indices[i]], &out.vertices[out.indices[i + 1]],
                                  &out.vertices[out.indices[i + 2]]};
            D3DXVECTOR3 faceNormal = Cross(corner[1]->position - corner[0]->position,
                                           corner[2]->position - corner[0]->position);
            for (XVertex* vertex : corner) vertex->normal += faceNormal;
        }
        for (size_t i = base; i < out.vertices.size(); ++i) out.vertices[i].normal = Normalised(out.vertices[i].normal);
    }
    return true;
}

}  // namespace d3dx9::xfile
