// The boss fight's set-up and the reading of its attack timetable.
#include "audio/music.h"
#include "core/game_world.h"
#include "core/scene.h"
#include "crt.h"
#include "game/boss.h"

uint8_t g_bossPhase = 0;
AttackPatternEntry g_attackPatterns[100];

namespace {

// Records of 9 bytes: an unused float, the time and the type, at most as many as the table
// holds. No read is checked: a field cut off by the end of the data keeps the bytes it got
// and zero for the rest.
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
        crt::fread(&unused, 4, 1, file);
        crt::fread(&time, 4, 1, file);
        crt::fread(&type, 1, 1, file);
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
