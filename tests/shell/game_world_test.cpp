// The game object record and the one game world.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include "core/game_world.h"

namespace {

TEST(GameObject, ConstructorZeroesEveryField)
{
    // Fill the storage first so that only the constructor can make it zero.
    alignas(GameObject) unsigned char storage[sizeof(GameObject)];
    std::memset(storage, 0xAB, sizeof storage);
    GameObject* object = new (storage) GameObject();

    EXPECT_EQ(object->mesh, nullptr);
    EXPECT_EQ(object->sphereMesh, nullptr);
    EXPECT_EQ(object->materials, nullptr);
    EXPECT_EQ(object->sphereMaterial, nullptr);
    EXPECT_EQ(object->textures, nullptr);
    EXPECT_EQ(object->materialCount, 0u);
    EXPECT_EQ(object->pos, D3DXVECTOR3(0, 0, 0));
    EXPECT_EQ(object->rot, D3DXVECTOR3(0, 0, 0));
    // Not (1, 1, 1): an object never loaded keeps a zero scale.
    EXPECT_EQ(object->scale, D3DXVECTOR3(0, 0, 0));
    for (float channel : object->colour) EXPECT_EQ(channel, 0.0f);
    EXPECT_EQ(object->sphere.centre, D3DXVECTOR3(0, 0, 0));
    EXPECT_EQ(object->sphere.radius, 0.0f);
    EXPECT_EQ(object->radiusFactor, 0.0f);
    EXPECT_EQ(object->life, 0.0f);
    EXPECT_EQ(object->timer, 0.0f);
    EXPECT_EQ(object->fireCounter, 0);
    EXPECT_EQ(object->fireInterval, 0);
    EXPECT_EQ(object->fireFlag, 0);
    EXPECT_EQ(object->type, 0);
    EXPECT_EQ(object->state, 0);
    object->~GameObject();
}

TEST(GameObject, ACopySharesTheMeshButNotThePlainFields)
{
    GameObject enemyTemplate;
    auto* sharedMesh = reinterpret_cast<ID3DXMesh*>(&enemyTemplate);  // any address stands for a mesh
    enemyTemplate.mesh = sharedMesh;
    enemyTemplate.colour[0] = 1.0f;

    GameObject enemy = enemyTemplate;
    enemy.colour[0] = 0.25f;
    enemy.pos = D3DXVECTOR3(3, 4, 5);
    enemy.state = 1;

    EXPECT_EQ(enemy.mesh, sharedMesh);
    EXPECT_EQ(enemyTemplate.colour[0], 1.0f);
    EXPECT_EQ(enemyTemplate.pos, D3DXVECTOR3(0, 0, 0));
    EXPECT_EQ(enemyTemplate.state, 0);
}

TEST(GameWorld, HoldsFiveHundredAndNineObjectsInMemberOrder)
{
    EXPECT_EQ(sizeof(GameWorld), 509 * sizeof(GameObject));
    const size_t slot = sizeof(GameObject);
    EXPECT_EQ(offsetof(GameWorld, walls), 0 * slot);
    EXPECT_EQ(offsetof(GameWorld, player), 2 * slot);
    EXPECT_EQ(offsetof(GameWorld, playerShots), 3 * slot);
    EXPECT_EQ(offsetof(GameWorld, missiles), 18 * slot);
    EXPECT_EQ(offsetof(GameWorld, enemyTemplates), 29 * slot);
    EXPECT_EQ(offsetof(GameWorld, enemies), 36 * slot);
    EXPECT_EQ(offsetof(GameWorld, enemyShots), 417 * slot);
    EXPECT_EQ(offsetof(GameWorld, bossBombs), 467 * slot);
    EXPECT_EQ(offsetof(GameWorld, sky), 507 * slot);
    EXPECT_EQ(offsetof(GameWorld, boss), 508 * slot);
}

TEST(GameWorld, StartsAllZeroWithNoMeshesAndEveryObjectInactive)
{
    // The game world is built before any test touches it; nothing in these tests loads it.
    const auto* bytes = reinterpret_cast<const unsigned char*>(&g_world);
    size_t nonZero = 0;
    for (size_t i = 0; i < sizeof g_world; ++i) nonZero += bytes[i] != 0;
    EXPECT_EQ(nonZero, 0u);
}

}  // namespace
