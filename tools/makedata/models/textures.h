// The model textures: their names as the .x files give them (relative to the run folder,
// which holds DATA) and the pictures painted for them.
#pragma once

#include <vector>

#include "models/image.h"

namespace makedata {

inline constexpr const char* kSkyTexture = "DATA/XFILE/sky.jpg";
inline constexpr const char* kWallTexture = "DATA/XFILE/wall.png";
inline constexpr const char* kCraftTexture = "DATA/XFILE/jiki.png";
inline constexpr const char* kBossTexture = "DATA/XFILE/boss.jpg";
inline constexpr const char* kHazardTexture = "DATA/XFILE/hazard.png";
// One plating colour per enemy type; type 5 wears the hazard stripes instead.
inline constexpr const char* kEnemyTextures[7] = {
    "DATA/XFILE/enemy0.png", "DATA/XFILE/enemy1.png", "DATA/XFILE/enemy2.png", "DATA/XFILE/enemy3.png",
    "DATA/XFILE/enemy4.png", kHazardTexture,          "DATA/XFILE/enemy6.png",
};

struct TextureFile {
    const char* name;
    Image picture;
    int jpegQuality;  // 0 for a PNG
};

// Every texture the models name, painted.
std::vector<TextureFile> PaintTextures();

}  // namespace makedata
