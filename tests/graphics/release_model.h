// Frees what LoadModel and ComputeBoundingSphere made for an object; the game itself
// never frees a model's arrays, but tests load many and must give them back.
#pragma once

#include "core/game_object.h"

inline void ReleaseModel(GameObject& object)
{
    for (DWORD i = 0; object.textures && i < object.materialCount; ++i)
        if (object.textures[i]) object.textures[i]->Release();
    delete[] object.textures;
    delete[] object.materials;
    delete object.sphereMaterial;
    if (object.sphereMesh) object.sphereMesh->Release();
    if (object.mesh) object.mesh->Release();
    object = GameObject();
}
