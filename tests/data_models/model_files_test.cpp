// The generated DATA/XFILE folder: every model file the game names is there in the
// encoding meant for it, measures the radius it was built to, and names textures that
// the game's texture loader takes, PNG and JPEG among them. The vertices are read with a reader just large enough
// for the files the generator writes.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "d3dx9.h"
#include "d3dx9/stand_in_device.h"
#include "models/mesh.h"
#include "models/model_sizes.h"

using namespace makedata;

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The vertex positions of the first Mesh: in text, the count and the numbers after
// "Mesh name {"; in binary, the integer list and the float list after its opening brace.
std::vector<Vec3> MeshPositions(const std::string& file)
{
    std::vector<Vec3> positions;
    if (file.compare(0, 16, "xof 0303txt 0032") == 0) {
        const size_t open = file.find('{', file.find("Mesh "));
        if (open == std::string::npos) return positions;
        const char* p = file.c_str() + open + 1;
        char* end = nullptr;
        const long count = std::strtol(p, &end, 10);
        for (long i = 0; i < count && end; ++i) {
            float xyz[3];
            for (float& value : xyz) {
                p = end + std::strspn(end, ";, \n");
                value = std::strtof(p, &end);
            }
            positions.push_back({xyz[0], xyz[1], xyz[2]});
        }
    } else if (file.compare(0, 16, "xof 0303bin 0032") == 0) {
        auto word = [&](size_t at) {
            return at + 2 <= file.size() ? uint16_t(uint8_t(file[at]) | uint8_t(file[at + 1]) << 8) : 0;
        };
        auto dword = [&](size_t at) {
            uint32_t value = 0;
            if (at + 4 <= file.size()) std::memcpy(&value, file.data() + at, 4);
            return value;
        };
        size_t at = 16;
        while (at < file.size() && word(at) != 10) at += word(at) == 1 ? 6 + dword(at + 2) : 2;  // names up to '{'
        at += 2;
        if (word(at) != 6 || dword(at + 2) != 1) return positions;
        const uint32_t count = dword(at + 6);
        at += 10;
        if (word(at) != 7 || dword(at + 2) != 3 * count || at + 6 + 12 * size_t(count) > file.size()) return positions;
        for (uint32_t i = 0; i < count; ++i) {
            float xyz[3];
            std::memcpy(xyz, file.data() + at + 6 + 12 * size_t(i), 12);
            positions.push_back({xyz[0], xyz[1], xyz[2]});
        }
    }
    return positions;
}

float MeanCentredRadius(const std::vector<Vec3>& positions)
{
    Vec3 mean;
    for (const Vec3& p : positions) mean = mean + p;
    mean = mean * (1.0f / float(positions.size()));
    float radius = 0.0f;
    for (const Vec3& p : positions) radius = std::max(radius, Length(p - mean));
    return radius;
}

std::vector<ModelSpec> AllModels()
{
    std::vector<ModelSpec> models = {kWall, kSky, kCraft, kShot, kMissile, kEnemyShot, kBossBomb, kBoss};
    models.insert(models.end(), std::begin(kEnemies), std::end(kEnemies));
    return models;
}

TEST(ModelFiles, EveryModelMeasuresTheRadiusItWasBuiltTo)
{
    ASSERT_EQ(AllModels().size(), 15u);  // the seven enemies each have their own file
    for (const ModelSpec& model : AllModels()) {
        const std::vector<Vec3> positions = MeshPositions(ReadFile(model.file));
        ASSERT_GT(positions.size(), 3u) << model.file;
        EXPECT_NEAR(MeanCentredRadius(positions), model.radius, 0.005f * model.radius) << model.file;
    }
}

TEST(ModelFiles, TheBossIsBinaryAndTheOthersText)
{
    for (const ModelSpec& model : AllModels()) {
        const std::string header = ReadFile(model.file).substr(0, 16);
        const bool binary = std::string(model.file) == kBoss.file;
        EXPECT_EQ(header, binary ? "xof 0303bin 0032" : "xof 0303txt 0032") << model.file;
    }
}

TEST(ModelFiles, NamedTexturesExistAsPngAndJpeg)
{
    std::set<std::string> named;
    for (const ModelSpec& model : AllModels()) {
        const std::string file = ReadFile(model.file);
        const bool text = file.compare(0, 16, "xof 0303txt 0032") == 0;
        for (size_t at = file.find("TextureFilename"); at != std::string::npos;
             at = file.find("TextureFilename", at + 1)) {
            // In text the name is quoted; in binary it is a string token: 2, its length,
            // its characters, after the opening brace.
            const size_t token = at + 15 + 2;
            if (text) {
                const size_t open = file.find('"', at), close = file.find('"', open + 1);
                if (open != std::string::npos && close != std::string::npos)
                    named.insert(file.substr(open + 1, close - open - 1));
            } else if (token + 6 <= file.size() && file[token] == 2 && file[token + 1] == 0) {
                uint32_t length;
                std::memcpy(&length, file.data() + token + 2, 4);
                named.insert(file.substr(token + 6, length));
            }
        }
    }
    int pngs = 0, jpegs = 0;
    for (const std::string& name : named) {
        EXPECT_EQ(name.rfind("DATA/XFILE/", 0), 0u) << name << " is not relative to the run folder";
        const std::string bytes = ReadFile(name);
        if (bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0)
            ++pngs;
        else if (bytes.compare(0, 3, "\xff\xd8\xff") == 0)
            ++jpegs;
        else
            ADD_FAILURE() << name << " is neither a PNG nor a JPEG";
    }
    EXPECT_GE(pngs, 1);
    EXPECT_GE(jpegs, 1);
    EXPECT_TRUE(named.count("DATA/XFILE/boss.jpg")) << "the binary model's texture was not found";
}

}  // namespace
