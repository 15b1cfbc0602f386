// The frame hierarchy of a .x file flattened: each Mesh is moved by the product of the
// FrameTransformMatrix of its frame and of every frame above it.
#include "xfile_mesh.h"
#include "xfile_mesh_object.h"
#include "xfile_values.h"

namespace d3dx9::xfile {

namespace {

void IndexMaterials(const XObject& object, MaterialIndex& index)
{
    if (object.reference) return;
    if (SameName(object.type, "Material") && !object.name.empty()) index.try_emplace(object.name, &object);
    for (const XObject& child : object.children) IndexMaterials(child, index);
}

class Flattener {
public:
    Flattener(const MaterialIndex& materials, XMeshData& out, std::string& error)
        : materials_(materials), out_(out), error_(error)
    {
    }

    bool Object(const XObject& object, const Transform& parent)
    {
        if (object.reference) return true;
        if (SameName(object.type, "Mesh")) return AppendMesh(object, parent, materials_, out_, error_);
        if (SameName(object.type, "Frame")) return Frame(object, parent);
        return true;
    }

private:
    bool Frame(const XObject& frame, const Transform& parent)
    {
        Transform local = Identity();
        for (const XObject& child : frame.children) {
            if (child.reference || !SameName(child.type, "FrameTransformMatrix")) continue;
            Values values(child.numbers);
            if (values.Left() < 16) {
                error_ = "frame transform with too few values";
                return false;
            }
            for (auto& row : local.m)
                for (float& element : row) values.Float(element);
            break;
        }
        Transform world;
        D3DXMatrixMultiply(&world, &local, &parent);
        for (const XObject& child : frame.children)
            if (!Object(child, world)) return false;
        return true;
    }

    const MaterialIndex& materials_;
    XMeshData& out_;
    std::string& error_;
};

}  // namespace

bool BuildXMesh(const XDocument& document, XMeshData& mesh, std::string& error)
{
    mesh = {};
    MaterialIndex materials;
    for (const XObject& object : document.objects) IndexMaterials(object, materials);
    Flattener flattener(materials, mesh, error);
    for (const XObject& object : document.objects)
        if (!flattener.Object(object, Identity())) return false;
    if (mesh.indices.empty()) {
        error = "no mesh with faces";
        return false;
    }
    return true;
}

bool ReadXMesh(std::span<const uint8_t> file, XMeshData& mesh, std::string& error)
{
    XDocument document;
    return ParseXFile(file, document, error) && BuildXMesh(document, mesh, error);
}

}  // namespace d3dx9::xfile
