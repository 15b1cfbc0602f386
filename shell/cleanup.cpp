// The shutdown's releases, in their fixed order. Pool slots other than 0 and the enemies
// share their owner's mesh, so only the owners are released.
#include "audio/music.h"
#include "core/game_world.h"
#include "core/release.h"
#include "input/joystick.h"
#include "shell/main_loop.h"
#include "shell/startup.h"

void Cleanup()
{
    Release(g_world.player.mesh);
    Release(g_world.walls[0].mesh);
    Release(g_world.walls[1].mesh);
    Release(g_world.missiles[0].mesh);
    Release(g_world.playerShots[0].mesh);
    Release(g_world.enemyShots[0].mesh);
    Release(g_world.bossBombs[0].mesh);
    for (GameObject& enemyTemplate : g_world.enemyTemplates) Release(enemyTemplate.mesh);
    Release(g_world.sky.mesh);
    Release(g_world.boss.mesh);

    Release(g_device);
    Release(g_d3d);
    Release(g_primaryBuffer);
    Release(g_sndEnter);
    Release(g_sndShot);
    Release(g_sndEnemyDie);
    Release(g_sndDamage);
    Release(g_sndBossDie);
    Release(g_sndSiren);
    Release(g_sndLaser);
    Release(g_directSound);
    Release(g_texTitle);
    Release(g_texScoreboard);
    Release(g_sprite);
    Release(g_texGame);
    Release(g_texGlyphs);
    Release(g_texEnding);

    if (g_musicPerformance) g_musicPerformance->CloseDown();
    Release(g_musicSegment);
    Release(g_musicPerformance);
    Release(g_musicLoader);
    CoUninitialize();
    FreeDirectInput();
}
