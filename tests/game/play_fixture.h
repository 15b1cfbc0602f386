// The stage and boss frames on the stand-in platform: a device that notes where each mesh
// is drawn, the sprite and game.bmp, the effect buffers the frames restart, a box mesh for
// the hit tests, and the game's globals as at program start.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/game_world.h"
#include "core/globals.h"
#include "core/release.h"
#include "core/scene.h"
#include "fake/call_log.h"
#include "fake/fake.h"
#include "fake/fake_d3d9.h"
#include "fake/fake_device.h"
#include "fake/fake_win32.h"
#include "game/boss.h"
#include "game/energy.h"
#include "game/player_control.h"
#include "game/stage.h"
#include "game/stage_loading.h"
#include "game/stage_warning.h"
#include "graphics/effects.h"
#include "input/joystick.h"
#include "support/fresh_game.h"
#include "support/game_state.h"
#include "support/stand_in_globals.h"

// Keeps the world position of every mesh draw, so a test can count the images of an object.
class DrawSpotDevice : public fake::FakeDevice {
public:
    explicit DrawSpotDevice(const D3DPRESENT_PARAMETERS& params) : FakeDevice(params) {}

    HRESULT DrawIndexedPrimitive(D3DPRIMITIVETYPE type, INT baseVertex, UINT minIndex, UINT vertexCount,
                                 UINT startIndex, UINT primitiveCount) override
    {
        const D3DMATRIX world = fake::Device().Transform(D3DTS_WORLD);
        spots.emplace_back(world._41, world._42, world._43);
        return FakeDevice::DrawIndexedPrimitive(type, baseVertex, minIndex, vertexCount, startIndex,
                                                primitiveCount);
    }

    std::vector<D3DXVECTOR3> spots;
};

class PlayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        game_state::ResetToStart();
        D3DPRESENT_PARAMETERS params = {};
        device_ = new DrawSpotDevice(params);
        g_device = device_;
        MakeSpriteAndSheets({{&g_texGame, 1024, 512, "game"}});
        if (HasFatalFailure()) return;
        MakeSounds({{&g_sndDamage, "damage"}, {&g_sndEnemyDie, "enemydie"}, {&g_sndBossDie, "bossdie"},
                    {&g_sndSiren, "siren"}, {&g_sndLaser, "laser"}});
        box_ = LoadBox();

        GameObject& player = g_world.player;
        player.pos = D3DXVECTOR3(0.0f, -10.8f, 0.0f);
        player.rot = D3DXVECTOR3(-90.0f, 0.0f, 0.0f);
        player.colour[3] = 1.0f;
        player.life = 87.0f;
        player.state = 1;
        fake::ClearCalls();
    }

    void TearDown() override
    {
        Release(box_);
        ReleaseStandIns();
        ReleaseTune();
        game_state::ResetToStart();
    }


    // A cube of half-size 1 about the model's origin, drawn as one subset.
    void GiveBox(GameObject& object)
    {
        object.mesh = box_;
        object.materialCount = 1;
        object.materials = &material_;
        object.textures = &texture_;
    }

    // A filled enemy slot, in play unless it is still to enter.
    GameObject& Enemy(int slot, uint8_t type, D3DXVECTOR3 pos, uint8_t state = 1, float life = 5.0f)
    {
        g_enemySlotFilled[slot] = 1;
        GameObject& enemy = g_world.enemies[slot];
        GiveBox(enemy);
        enemy.type = type;
        enemy.pos = pos;
        enemy.rot = D3DXVECTOR3(-90.0f, 0.0f, 0.0f);
        enemy.state = state;
        enemy.life = life;
        enemy.timer = state ? 1.0f : -1.0f;  // its own clock, or a time the stage never reaches
        enemy.sphere.radius = 1.0f;
        enemy.radiusFactor = 1.0f;
        return enemy;
    }

    // Images of a mesh drawn at this place so far.
    int DrawsAt(const D3DXVECTOR3& place) const
    {
        int count = 0;
        for (const D3DXVECTOR3& spot : device_->spots) count += spot == place;
        return count;
    }

    // A fresh program for the next case of a table: new stand-ins, device and globals.
    void Restart()
    {
        TearDown();
        fake::Install();
        SetUp();
    }

    fake::Installed installed_;
    DrawSpotDevice* device_ = nullptr;

private:
    ID3DXMesh* LoadBox()
    {
        const auto file =
            std::filesystem::temp_directory_path() / ("veltrane-box-" + std::to_string(getpid()) + ".x");
        std::ofstream(file) << "xof 0303txt 0032\nMesh {\n 8;\n"
                               " -1;-1;-1;, 1;-1;-1;, 1;1;-1;, -1;1;-1;, -1;-1;1;, 1;-1;1;, 1;1;1;, -1;1;1;;\n"
                               " 6;\n 4;0,1,2,3;, 4;4,5,6,7;, 4;0,1,5,4;, 4;3,2,6,7;, 4;0,3,7,4;, 4;1,2,6,5;;\n}\n";
        ID3DXMesh* mesh = nullptr;
        EXPECT_EQ(D3DXLoadMeshFromXA(file.c_str(), D3DXMESH_SYSTEMMEM, g_device, nullptr, nullptr, nullptr, nullptr,
                                     &mesh),
                  D3D_OK);
        std::filesystem::remove(file);
        return mesh;
    }

    ID3DXMesh* box_ = nullptr;
    D3DMATERIAL9 material_ = {};
    IDirect3DTexture9* texture_ = nullptr;
};
