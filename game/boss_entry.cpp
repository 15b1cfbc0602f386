// The boss fight's set-up and the reading of its attack timetable.
#include <cmath>

#include "audio/music.h"
#include "core/game_world.h"
#include "core/scene.h"
#include "crt.h"
#include "game/boss.h"

uint8_t g_bossPhase = 0;
AttackPatternEntry g_attackPatterns[100];

namespace {

// Records of 9 bytes: an unused float, the time and the type. Reading stops at the table's
// end or at the first record the file does not hold whole; a record whose time is not a
// finite number leaves its entry empty, so it can never fire.
void ReadAttackTimetable()
{
    crt::FILE* file = crt::fopen("./DATA/PatAt.kfc", "rt");
    if (!file) return;
    int32_t count = 0;
    crt::fread(&count, 4, 1, file);
    for (int32_t i = 0; i < count && i < 100; ++i) {
        float unused = 0.0f;
        float time = 0.0f;
        uint8_t type = 0;
        if (crt::fread(&unused, 4, 1, file) != 1 || crt::fread(&time, 4, 1, file) != 1 ||
            crt::fread(&type, 1, 1, file) != 1)
            break;
        if (!std::isfinite(time)) continue;
        g_attackPatterns[i].time = time * 20.0f;
        g_attackPatterns[i].type = type;
    }
    crt::fclose(file);
}

}  // namespace

void EnterBossPhase()
{
    // Three times wider walls leave room for the boss's flanks.
    g_world.walls[0].scale.x *= 3.0f;
    g_world.walls[1].scale.x *= 3.0f;

    GameObject& boss = g_world.boss;
    boss.pos = D3DXVECTOR3(10.0f, -120.0f, -70.0f);
    boss.rot.z += 180.0f;
    boss.state = 1;

    ReadAttackTimetable();
    Sleep(10);
    PlayMidi("boss.mid", 1, 1);
    g_sceneFunc = BossFrame;
}
