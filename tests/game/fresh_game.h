// Puts the game's state back as in a program that has not run: the title state, and what
// the stage loading and the tunes made, which the game itself leaves to the process's end.
#pragma once

#include <algorithm>
#include <cstring>
#include <vector>

#include "audio/music.h"
#include "core/game_world.h"
#include "game/stage_loading.h"
#include "game/title.h"
#include "graphics/release_model.h"

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

// PlayMidi leaves the objects of the tune before to the end of the process: Remember the
// tune playing now, and release it at the end unless the globals still hold it.
class TunesLeftBehind {
public:
    void Remember()
    {
        for (IUnknown* object : Globals())
            if (object && std::find(remembered_.begin(), remembered_.end(), object) == remembered_.end())
                remembered_.push_back(object);
    }

    void ReleaseLeftBehind()
    {
        const std::vector<IUnknown*> held = Globals();
        for (IUnknown* object : remembered_)
            if (std::find(held.begin(), held.end(), object) == held.end()) object->Release();
        remembered_.clear();
    }

private:
    static std::vector<IUnknown*> Globals() { return {g_musicLoader, g_musicPerformance, g_musicSegment}; }
    std::vector<IUnknown*> remembered_;
};
