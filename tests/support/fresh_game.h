// Puts the game's state back as in a program that has not run: the title state, and what
// the stage loading and the tunes made, which the game itself leaves to the process's end.
#pragma once

#include <algorithm>
#include <cstring>
#include <vector>

#include "audio/music.h"
#include "core/game_world.h"
#include "core/release.h"
#include "game/stage_loading.h"
#include "game/title.h"
#include "graphics/release_model.h"
#include "objbase.h"

// The positions hold nonsense that the first title frame must replace.
inline void ResetTitleState()
{
    g_logoPosA = D3DXVECTOR2(-1.0f, -1.0f);
    g_logoPosB = D3DXVECTOR2(-1.0f, -1.0f);
    g_titleFlags = 0;
    g_blinkCounter = 0;
    g_blinkFlag = 0;
    g_enterLatch = 0;
}

// Frees the owners' models (the copies share them), then empties the world and the
// timetable's marks.
inline void ReleaseGameWorld()
{
    GameWorld& w = g_world;
    for (GameObject* owner : {&w.walls[0], &w.walls[1], &w.sky, &w.player, &w.playerShots[0], &w.missiles[0],
                              &w.enemyShots[0], &w.bossBombs[0], &w.boss})
        ReleaseModel(*owner);
    for (GameObject& owner : w.enemyTemplates) ReleaseModel(owner);
    w = GameWorld();
    std::memset(g_enemySlotFilled, 0, sizeof g_enemySlotFilled);
    g_stageEnemyCount = 0;
}

// The tune playing now given back as the shutdown gives it, and COM as at start: for a
// test that started one tune at a time and runs no shutdown.
inline void ReleaseTune()
{
    if (g_musicPerformance) g_musicPerformance->CloseDown();
    Release(g_musicSegment);
    Release(g_musicPerformance);
    Release(g_musicLoader);
    while (com::InitializeCount() > 0) CoUninitialize();
}

// PlayMidi leaves the objects of the tune before it to the end of the process, and each tune
// start initialises COM once more while the shutdown undoes it once. A test keeps a
// reference to each tune's objects while the game runs and gives them all back at its end,
// whether the game dropped them or the shutdown released them, and leaves COM as at start.
class KeptTunes {
public:
    KeptTunes() = default;
    KeptTunes(const KeptTunes&) = delete;
    KeptTunes& operator=(const KeptTunes&) = delete;
    ~KeptTunes() { ReleaseAll(); }

    // The objects of the tune playing now.
    void Keep()
    {
        for (IUnknown* object : {static_cast<IUnknown*>(g_musicLoader), static_cast<IUnknown*>(g_musicPerformance),
                                 static_cast<IUnknown*>(g_musicSegment)}) {
            if (!object || std::find(kept_.begin(), kept_.end(), object) != kept_.end()) continue;
            object->AddRef();
            kept_.push_back(object);
        }
    }

    void ReleaseAll()
    {
        for (IUnknown* object : kept_) object->Release();
        kept_.clear();
        while (com::InitializeCount() > 0) CoUninitialize();
    }

private:
    std::vector<IUnknown*> kept_;
};
