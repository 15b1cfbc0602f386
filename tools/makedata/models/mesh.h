// A model under construction: flat-shaded triangles, each with its own three vertices so
// that every facet keeps its own normal, grouped by material.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace makedata {

struct Vec3 {
    float x = 0.0f, y = 0.0f, z = 0.0f;
};

inline Vec3 operator+(Vec3 a, Vec3 b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator*(Vec3 a, float s)
{
    return {a.x * s, a.y * s, a.z * s};
}
inline float Dot(Vec3 a, Vec3 b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 Cross(Vec3 a, Vec3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline float Length(Vec3 a)
{
    return std::sqrt(Dot(a, a));
}
inline Vec3 Normalised(Vec3 a)
{
    const float length = Length(a);
    return length > 0.0f ? a * (1.0f / length) : a;
}

struct Colour {
    float r = 0.0f, g = 0.0f, b = 0.0f;
};

// What a .x material holds. The game replaces the diffuse colour and the power when it
// draws, so a model's look lives in its emissive colour and its texture.
struct Material {
    Colour emissive;
    std::string texture;        // relative to the run folder, empty for none
    float tilesPerUnit = 0.5f;  // texture repeats per model unit on every facet
};

struct Vertex {
    Vec3 position;
    Vec3 normal;
    float u = 0.0f, v = 0.0f;
};

struct Mesh {
    std::vector<Vertex> vertices;
    std::vector<std::array<uint32_t, 3>> faces;
    std::vector<uint32_t> faceMaterials;
    std::vector<Material> materials;
};

// Adds flat convex polygons to a mesh in the material chosen last.
class MeshBuilder {
public:
    explicit MeshBuilder(Mesh& mesh) : mesh_(mesh) {}

    // Starts a new material; returns its index.
    uint32_t UseMaterial(const Material& material);
    void UseMaterialIndex(uint32_t index) { material_ = index; }

    // A convex polygon, its normal facing away from `inside`. Texture coordinates are
    // projected onto the plane of the two axes the facet faces least.
    void AddPolygon(const std::vector<Vec3>& corners, Vec3 inside);

    // A polygon with the normal its winding gives (counter-clockwise seen from the front),
    // and texture coordinates given per corner.
    void AddOrientedPolygon(const std::vector<Vec3>& corners, const std::vector<std::array<float, 2>>& uvs);

private:
    Mesh& mesh_;
    uint32_t material_ = 0;
};

// The bounding sphere the game measures: the mean of the vertex positions as centre and
// the greatest distance from it as radius.
struct Sphere {
    Vec3 centre;
    float radius = 0.0f;
};
Sphere MeasureSphere(const Mesh& mesh);

}  // namespace makedata
