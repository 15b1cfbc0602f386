// Flat polygons into a mesh, and the bounding sphere the game will measure.
#include "models/mesh.h"

#include <stdexcept>

namespace makedata {

namespace {

// Newell's normal of a polygon: robust for any planar polygon, facing the side from
// which the corners run counter-clockwise.
Vec3 PolygonNormal(const std::vector<Vec3>& corners)
{
    Vec3 normal;
    for (size_t i = 0; i < corners.size(); ++i) {
        const Vec3 a = corners[i];
        const Vec3 b = corners[(i + 1) % corners.size()];
        normal.x += (a.y - b.y) * (a.z + b.z);
        normal.y += (a.z - b.z) * (a.x + b.x);
        normal.z += (a.x - b.x) * (a.y + b.y);
    }
    return Normalised(normal);
}

Vec3 Centroid(const std::vector<Vec3>& corners)
{
    Vec3 sum;
    for (const Vec3& corner : corners) sum = sum + corner;
    return sum * (1.0f / static_cast<float>(corners.size()));
}

}  // namespace

uint32_t MeshBuilder::UseMaterial(const Material& material)
{
    mesh_.materials.push_back(material);
    material_ = static_cast<uint32_t>(mesh_.materials.size() - 1);
    return material_;
}

void MeshBuilder::AddPolygon(const std::vector<Vec3>& corners, Vec3 inside)
{
    std::vector<Vec3> facing = corners;
    if (Dot(PolygonNormal(facing), Centroid(facing) - inside) < 0.0f) {
        facing.assign(corners.rbegin(), corners.rend());
    }
    const Vec3 normal = PolygonNormal(facing);
    const float tiles = mesh_.materials.at(material_).tilesPerUnit;
    const float ax = std::fabs(normal.x), ay = std::fabs(normal.y), az = std::fabs(normal.z);
    std::vector<std::array<float, 2>> uvs;
    for (const Vec3& p : facing) {
        if (ax >= ay && ax >= az) {
            uvs.push_back({p.y * tiles, -p.z * tiles});
        } else if (ay >= az) {
            uvs.push_back({p.x * tiles, -p.z * tiles});
        } else {
            uvs.push_back({p.x * tiles, -p.y * tiles});
        }
    }
    AddOrientedPolygon(facing, uvs);
}

void MeshBuilder::AddOrientedPolygon(const std::vector<Vec3>& corners, const std::vector<std::array<float, 2>>& uvs)
{
    if (corners.size() < 3 || uvs.size() != corners.size()) {
        throw std::logic_error("a polygon needs three corners or more, each with texture coordinates");
    }
    if (mesh_.materials.empty()) throw std::logic_error("a polygon needs a material");
    const Vec3 normal = PolygonNormal(corners);
    const uint32_t first = static_cast<uint32_t>(mesh_.vertices.size());
    for (size_t i = 0; i < corners.size(); ++i) {
        mesh_.vertices.push_back({corners[i], normal, uvs[i][0], uvs[i][1]});
    }
    // In Direct3D's left-handed space these corners run clockwise seen from the front,
    // its convention for front faces.
    for (uint32_t i = 1; i + 1 < corners.size(); ++i) {
        mesh_.faces.push_back({first, first + i, first + i + 1});
        mesh_.faceMaterials.push_back(material_);
    }
}

Sphere MeasureSphere(const Mesh& mesh)
{
    Sphere sphere;
    if (mesh.vertices.empty()) return sphere;
    double sx = 0.0, sy = 0.0, sz = 0.0;
    for (const Vertex& vertex : mesh.vertices) {
        sx += vertex.position.x;
        sy += vertex.position.y;
        sz += vertex.position.z;
    }
    const double count = static_cast<double>(mesh.vertices.size());
    sphere.centre = {static_cast<float>(sx / count), static_cast<float>(sy / count), static_cast<float>(sz / count)};
    for (const Vertex& vertex : mesh.vertices) {
        const float distance = Length(vertex.position - sphere.centre);
        if (distance > sphere.radius) sphere.radius = distance;
    }
    return sphere;
}

}  // namespace makedata
