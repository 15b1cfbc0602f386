// The record of every model instance: walls, sky, craft, shots, missiles, enemies, enemy
// shots, boss bombs and the boss. Plain values and pointers only, so a whole-record copy
// is a complete copy: copies share their owner's mesh, materials and textures.
#pragma once

#include "d3dx9.h"

struct BoundingSphere {
    D3DXVECTOR3 centre;  // model space; kept, but the sphere test centres on the object's pos
    float radius;        // model space

    BoundingSphere() {}
};

struct GameObject {
    ID3DXMesh* mesh;
    ID3DXMesh* sphereMesh;           // the collision sphere as a mesh; never drawn
    D3DMATERIAL9* materials;         // materialCount entries
    D3DMATERIAL9* sphereMaterial;
    IDirect3DTexture9** textures;    // materialCount entries, null where a material has none
    DWORD materialCount;
    D3DXVECTOR3 pos;                 // world units
    D3DXVECTOR3 rot;                 // degrees about X, Y, Z; z is the heading of movers
    D3DXVECTOR3 scale;
    float colour[4];                 // red, green, blue, alpha, 0.0 to 1.0
    BoundingSphere sphere;
    float radiusFactor;              // collision radius in world units = sphere.radius * radiusFactor
    float life;
    float timer;                     // frames, in steps that depend on the object
    int32_t fireCounter;
    int32_t fireInterval;
    uint8_t fireFlag;
    uint8_t type;                    // enemy type 0 to 6
    uint8_t state;                   // 0 inactive, 1 active, 2 ring shot or dying craft

    GameObject();
};
