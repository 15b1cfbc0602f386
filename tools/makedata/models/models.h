// The game's models, one file each (the enemies one per type), built in model space: +x
// right, +z screen up (the way the craft flies; enemies fly towards -z), +y towards the
// viewer. They are lit by one light travelling along -x in the object's own colour, so
// each material's emissive colour and texture carry its look and bevelled facets catch
// the light from the right.
#pragma once

#include <filesystem>

#include "models/mesh.h"
#include "models/seen_facets.h"

namespace makedata {

// The solids the wall is assembled from, their materials added to the builder's mesh;
// BuildWall keeps those of their faces that the game's cameras can see.
std::vector<Part> WallParts(MeshBuilder& builder);
Mesh BuildWall();
Mesh BuildSky();
Mesh BuildCraft();
Mesh BuildShot();
Mesh BuildMissile();
Mesh BuildEnemyShot();
Mesh BuildBossBomb();
Mesh BuildEnemy(int type);
Mesh BuildBoss();

// Writes every model and texture into dataDir/XFILE.
void WriteModels(const std::filesystem::path& dataDir);

}  // namespace makedata
