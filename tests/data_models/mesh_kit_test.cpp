// The kit the models are built with: hulls come out closed with their facets facing out,
// and the generator writes the same bytes on every run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <utility>

#include "support/scratch_folder.h"

#include "models/hull.h"
#include "models/models.h"
#include "models/shapes.h"
#include "timetables/timetables.h"

using namespace makedata;

namespace {

// Every edge of a closed surface borders exactly two triangles, once in each direction.
void ExpectClosedAndFacingOut(const Mesh& mesh, Vec3 inside)
{
    std::map<std::pair<int, int>, int> edges;
    auto key = [&](uint32_t i) {
        const Vec3 p = mesh.vertices[i].position;
        return std::make_pair(int(std::lround(p.x * 1000)) * 4000 + int(std::lround(p.y * 1000)),
                              int(std::lround(p.z * 1000)));
    };
    std::map<std::pair<std::pair<int, int>, std::pair<int, int>>, int> directed;
    for (const auto& face : mesh.faces) {
        for (int corner = 0; corner < 3; ++corner) ++directed[{key(face[corner]), key(face[(corner + 1) % 3])}];
        const Vec3 normal = mesh.vertices[face[0]].normal;
        EXPECT_GT(Dot(normal, mesh.vertices[face[0]].position - inside), 0.0f);
    }
    for (const auto& [edge, count] : directed) {
        EXPECT_EQ(count, 1);
        EXPECT_EQ(directed.count({edge.second, edge.first}), 1u) << "an open edge";
    }
}

TEST(MeshKit, BevelledBoxHasItsTwentySixFacets)
{
    EXPECT_EQ(ConvexHull(BevelBox({-1, -1, -1}, {1, 2, 3}, 0.2f)).size(), 26u);
    const auto cube = ConvexHull(BevelBox({-1, -1, -1}, {1, 1, 1}, 0.0f));
    ASSERT_EQ(cube.size(), 6u);
    for (const auto& facet : cube) EXPECT_EQ(facet.size(), 4u);
}

TEST(MeshKit, HullsAreClosedAndFaceOut)
{
    const Vec3 centre = {0.5f, -0.25f, 2.0f};
    for (const Points& points :
         {BevelBox({0, -1, 1}, {1, 0.5f, 3}, 0.15f), Ball(centre, 1.0f, 8, 3, kAxisX, kAxisZ, kAxisY),
          Beam({0, 0, 0}, {1, 2, 3}, kAxisX, 0.4f, 0.3f, 0.05f)}) {
        Mesh mesh;
        MeshBuilder builder(mesh);
        builder.UseMaterial({});
        AddHull(builder, points);
        Vec3 inside;
        for (const Vec3& p : points) inside = inside + p * (1.0f / float(points.size()));
        ExpectClosedAndFacingOut(mesh, inside);
    }
}

TEST(MeshKit, SkyFacesItsCentre)
{
    const Mesh sky = BuildSky();
    for (const Vertex& vertex : sky.vertices) ASSERT_LT(Dot(vertex.normal, vertex.position), 0.0f);
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(MeshKit, GeneratorWritesTheSameBytesAsTheBuild)
{
    const ScratchFolder scratch("veltrane-models-again");
    const std::filesystem::path& folder = scratch.path();
    WriteModels(folder);
    WriteTimetables(folder);
    int compared = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        const std::filesystem::path built = "DATA" / std::filesystem::relative(entry.path(), folder);
        EXPECT_TRUE(ReadFile(entry.path()) == ReadFile(built)) << built;
        ++compared;
    }
    EXPECT_EQ(compared, 15 + 11 + 2);  // models, textures, timetables
}

}  // namespace
