// The platform objects that the start-up keeps in the game's globals, made on the installed
// stand-ins for the fixtures whose scenes use them, each named in the call record.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/globals.h"
#include "core/release.h"
#include "fake/call_log.h"
#include "fake/fake_d3d9.h"
#include "fake/fake_sound.h"

inline void MakeGameDevice()
{
    g_d3d = Direct3DCreate9(D3D_SDK_VERSION);
    D3DPRESENT_PARAMETERS params = {};
    ASSERT_EQ(g_d3d->CreateDevice(0, D3DDEVTYPE_HAL, nullptr, D3DCREATE_HARDWARE_VERTEXPROCESSING, &params, &g_device),
              D3D_OK);
}

// The sprite object and these sheets on g_device: global, width and height in pixels, name.
inline void MakeSpriteAndSheets(std::initializer_list<std::tuple<IDirect3DTexture9**, UINT, UINT, const char*>> sheets)
{
    ASSERT_EQ(D3DXCreateSprite(g_device, &g_sprite), D3D_OK);
    for (const auto& [sheet, width, height, name] : sheets) {
        ASSERT_EQ(g_device->CreateTexture(width, height, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, sheet, nullptr),
                  D3D_OK);
        fake::NameTexture(*sheet, name);
    }
}

inline void MakeSounds(std::initializer_list<std::pair<IDirectSoundBuffer**, const char*>> sounds)
{
    for (const auto& [sound, name] : sounds) *sound = new fake::FakeSoundBuffer(name, DSBUFFERDESC{});
}

// Whatever of them the globals hold now, the device last.
inline void ReleaseStandIns()
{
    for (IDirect3DTexture9** sheet : {&g_texScoreboard, &g_texTitle, &g_texGame, &g_texGlyphs, &g_texEnding})
        Release(*sheet);
    Release(g_sprite);
    for (IDirectSoundBuffer** sound :
         {&g_sndEnter, &g_sndShot, &g_sndEnemyDie, &g_sndDamage, &g_sndSiren, &g_sndLaser, &g_sndBossDie})
        Release(*sound);
    Release(g_device);
    Release(g_d3d);
}

// The sprite's draws recorded since the calls were last cleared.
inline std::vector<std::string> SpriteDraws() { return fake::CallsStartingWith("Sprite.Draw("); }

// Restarts of the effect buffer of this name so far.
inline size_t Plays(const std::string& sound)
{
    return fake::CallsStartingWith("SoundBuffer.Play(" + sound).size();
}
