// Writes the models and their textures into DATA/XFILE, checking each against the
// radius it is designed to; the boss goes in the binary encoding, the rest in text.
#include "models/models.h"

#include <cmath>
#include <functional>
#include <set>
#include <stdexcept>
#include <string>

#include "models/model_sizes.h"
#include "models/textures.h"
#include "models/xfile_writer.h"

namespace makedata {

namespace {

struct ModelOutput {
    const ModelSpec& spec;
    std::function<Mesh()> build;
    bool binary;
};

// A name the game gives relative to the run folder ("./DATA/..." or "DATA/..."), as a
// path under the DATA folder being written.
std::filesystem::path InDataDir(const std::filesystem::path& dataDir, std::string name)
{
    if (name.starts_with("./")) name.erase(0, 2);
    if (!name.starts_with("DATA/")) throw std::logic_error(name + " is not under DATA");
    return dataDir / name.substr(5);
}

}  // namespace

void WriteModels(const std::filesystem::path& dataDir)
{
    std::filesystem::create_directories(dataDir / "XFILE");
    std::vector<ModelOutput> outputs = {
        {kWall, BuildWall, false},         {kSky, BuildSky, false},         {kCraft, BuildCraft, false},
        {kShot, BuildShot, false},         {kMissile, BuildMissile, false}, {kEnemyShot, BuildEnemyShot, false},
        {kBossBomb, BuildBossBomb, false}, {kBoss, BuildBoss, true},
    };
    for (int type = 0; type < 7; ++type) {
        outputs.push_back({kEnemies[type],
                           [type] {
                               Mesh mesh = BuildEnemy(type);
                               for (const Vertex& vertex : mesh.vertices) {
                                   if (std::fabs(vertex.position.z) >= kEnemyMaxHalfHeight) {
                                       throw std::logic_error("an enemy reaches into the laser while it waits");
                                   }
                               }
                               return mesh;
                           },
                           false});
    }

    std::set<std::string> named;
    for (const ModelOutput& output : outputs) {
        const Mesh mesh = output.build();
        const float radius = MeasureSphere(mesh).radius;
        if (std::fabs(radius - output.spec.radius) > 0.005f * output.spec.radius) {
            throw std::logic_error(std::string(output.spec.file) + " has radius " + std::to_string(radius) +
                                   ", built for " + std::to_string(output.spec.radius));
        }
        for (const Material& material : mesh.materials) {
            if (!material.texture.empty()) named.insert(material.texture);
        }
        const std::filesystem::path file = InDataDir(dataDir, output.spec.file);
        if (output.binary) {
            WriteXBinary(mesh, file);
        } else {
            WriteXText(mesh, file);
        }
    }
    for (const TextureFile& texture : PaintTextures()) {
        const std::filesystem::path file = InDataDir(dataDir, texture.name);
        if (texture.jpegQuality > 0) {
            WriteJpeg(texture.picture, file, texture.jpegQuality);
        } else {
            WritePng(texture.picture, file);
        }
        named.erase(texture.name);
    }
    if (!named.empty()) throw std::logic_error("no texture painted for " + *named.begin());
}

}  // namespace makedata
