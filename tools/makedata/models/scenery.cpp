// The corridor and the sky around it.
#include <numbers>

#include "models/model_sizes.h"
#include "models/models.h"
#include "models/wall_views.h"
#include "models/shapes.h"
#include "models/textures.h"

namespace makedata {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kRibSpacing = 10.0f;  // divides kWallLength, so two walls meet in step
// Model y is depth towards the viewer: world z = kWallDepth - model y. The wall reaches
// from just before the play down to world z 60, deep enough to stay in view when the boss
// fight triples its distance from the middle.
constexpr float kWallTop = kWallDepth + 1.0f;
constexpr float kBandBottoms[] = {kWallDepth - 8.0f, kWallDepth - 28.0f, kWallDepth - 60.0f};

}  // namespace

// Either side of the play a slab runs kWallLength along model z (world y), its inner top
// edge cut at an angle and lamps along its top. It darkens in bands with depth, so the
// trench falls away below the play; buttresses kRibSpacing apart stand on its inner face,
// so the scroll shows.
std::vector<Part> WallParts(MeshBuilder& builder)
{
    const float half = kWallLength * 0.5f;
    const float inner = kWallInnerX, outer = kWallInnerX + 5.0f;
    const uint32_t bands[] = {builder.UseMaterial({{0.5f, 0.52f, 0.56f}, kWallTexture, 0.1f}),
                              builder.UseMaterial({{0.3f, 0.33f, 0.4f}, kWallTexture, 0.1f}),
                              builder.UseMaterial({{0.14f, 0.17f, 0.26f}, kWallTexture, 0.1f})};
    const uint32_t lamps = builder.UseMaterial({{1.0f, 0.72f, 0.3f}, "", 0.1f});
    std::vector<Part> parts;
    for (bool mirror : {false, true}) {
        auto add = [&](const Points& points, uint32_t material) {
            parts.push_back({mirror ? MirrorX(points) : points, material});
        };
        float bandTop = kWallTop;
        for (size_t band = 0; band < std::size(bands); ++band) {
            Points slab;
            for (float z : {-half, half}) {
                slab.insert(slab.end(),
                            {{inner, kBandBottoms[band], z}, {outer, kBandBottoms[band], z}, {outer, bandTop, z}});
                if (band == 0) {
                    slab.insert(slab.end(), {{inner, kWallTop - 1.4f, z}, {inner + 1.4f, kWallTop, z}});
                } else {
                    slab.push_back({inner, bandTop, z});
                }
            }
            add(slab, bands[band]);
            bandTop = kBandBottoms[band];
        }
        const int ribs = static_cast<int>(kWallLength / kRibSpacing);
        for (int rib = 0; rib < ribs; ++rib) {
            const float z = -half + kRibSpacing * (static_cast<float>(rib) + 0.5f);
            for (size_t band = 0; band < 2; ++band) {
                const float top = band == 0 ? kWallTop - 1.6f : kBandBottoms[0];
                const float bottom = kBandBottoms[band];
                add({{inner, top, z - 0.9f},
                     {inner, top, z + 0.9f},
                     {inner, bottom, z - 0.9f},
                     {inner, bottom, z + 0.9f},
                     {inner - 0.6f, top - 0.4f, z - 0.4f},
                     {inner - 0.6f, top - 0.4f, z + 0.4f},
                     {inner - 0.6f, bottom, z - 0.4f},
                     {inner - 0.6f, bottom, z + 0.4f}},
                    bands[band]);
            }
            // Sharp-edged: a bevel's rim would be a pixel wide on screen and would double the
            // wall's triangles, which are vertex work on the game's thread every frame.
            add(BevelBox({inner + 2.4f, kWallTop - 0.1f, z - 0.6f}, {inner + 3.2f, kWallTop + 0.25f, z + 0.6f}, 0.0f),
                lamps);
        }
    }
    return parts;
}

// Only the faces a camera of the game can see: not the slabs' outer sides, bottoms and
// ends, the faces where parts touch, the buttresses' undersides, nor the lamps' far sides.
Mesh BuildWall()
{
    Mesh mesh;
    MeshBuilder builder(mesh);
    const Assembly walls(WallParts(builder), {0.0f, 0.0f, kWallLength});
    walls.AddSeen(builder, [&](const Facet& facet) { return WallFacetSeen(walls, facet); });
    return mesh;
}

// A ball of radius kSky.radius seen from inside; the stage loading scales it by 80
// around the whole scene. The light barely reaches a surface scaled that far, so its look is its texture
// at full emissive strength. The poles lie on model z (world up the screen).
Mesh BuildSky()
{
    Mesh mesh;
    MeshBuilder builder(mesh);
    builder.UseMaterial({{1.0f, 1.0f, 1.0f}, kSkyTexture, 1.0f});
    constexpr int kSlices = 48, kStacks = 24;
    constexpr float kWraps = 2.0f;  // the texture goes twice around
    auto point = [](int slice, int stack) {
        const float polar = kPi * static_cast<float>(stack) / kStacks;
        const float around = 2.0f * kPi * static_cast<float>(slice) / kSlices;
        return Vec3{std::sin(polar) * std::cos(around), std::sin(polar) * std::sin(around), std::cos(polar)} *
               kSky.radius;
    };
    for (int stack = 0; stack < kStacks; ++stack) {
        for (int slice = 0; slice < kSlices; ++slice) {
            const float u0 = kWraps * static_cast<float>(slice) / kSlices,
                        u1 = kWraps * static_cast<float>(slice + 1) / kSlices;
            const float v0 = static_cast<float>(stack) / kStacks, v1 = static_cast<float>(stack + 1) / kStacks;
            // Wound so the normals face the centre; at a pole two corners meet in one.
            std::vector<Vec3> corners = {point(slice, stack), point(slice + 1, stack), point(slice + 1, stack + 1),
                                         point(slice, stack + 1)};
            std::vector<std::array<float, 2>> uvs = {{u0, v0}, {u1, v0}, {u1, v1}, {u0, v1}};
            const int merged = stack == 0 ? 1 : stack == kStacks - 1 ? 2 : 0;
            if (merged != 0) {
                corners.erase(corners.begin() + merged);
                uvs.erase(uvs.begin() + merged);
            }
            builder.AddOrientedPolygon(corners, uvs);
        }
    }
    return mesh;
}

}  // namespace makedata
