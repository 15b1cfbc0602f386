// The retreat to the launch point and the return home.
#include "game/missile_manoeuvre.h"

#include "core/game_world.h"

uint8_t g_missilePhase = 0;
uint8_t g_missileReturnWait = 0;

namespace {

const D3DXVECTOR3 kLaunchPoint(0.0f, -10.0f, -18.0f);
const D3DXVECTOR3 kHome(0.0f, -10.8f, 0.0f);

}  // namespace

void UpdateMissileRetreat(GameObject& player)
{
    const D3DXVECTOR3 toLaunch = kLaunchPoint - player.pos;
    D3DXVECTOR3 step;
    D3DXVec3Normalize(&step, &toLaunch);
    player.pos += step;  // one unit a call

    player.colour[3] -= 0.02f;
    if (player.colour[3] < 0.5f) player.colour[3] = 0.5f;
    if (player.pos.y < -10.0f) player.pos.y = -10.0f;
    if (player.pos.z < -18.0f) player.pos.z = -18.0f;
    player.rot.y = 0.0f;

    if (player.pos.y == -10.0f && player.pos.z == -18.0f) {
        g_missilePhase = 2;
        player.pos = kLaunchPoint;
        for (GameObject& missile : g_world.missiles) {
            missile.state = 1;
            missile.pos = kLaunchPoint;
        }
    }
}

void UpdateMissileReturn(GameObject& player)
{
    // 8 bits on purpose: a return that runs past 255 calls waits again.
    const uint8_t waited = g_missileReturnWait++;
    if (waited < 20) return;

    // Worked out once in the program's life: every retreat ends at the launch point.
    static const D3DXVECTOR3 homeward = kHome - player.pos;
    D3DXVECTOR3 step;
    D3DXVec3Normalize(&step, &homeward);
    player.pos += step * 0.1f;

    player.colour[3] += 0.02f;
    if (player.colour[3] > 1.0f) player.colour[3] = 1.0f;

    if (player.pos.z >= 0.0f) {
        player.pos = kHome;
        g_missilePhase = 0;
        g_missileReturnWait = 0;
    }
}
