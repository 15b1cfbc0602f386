// Steering, banking and the fire inputs. A held shot input fires again every 20 calls;
// the other weapons need a release before they are bought again.
#include "game/player_control.h"

#include "audio/sound_effects.h"
#include "core/game_world.h"
#include "core/globals.h"
#include "game/energy.h"
#include "game/missile_manoeuvre.h"
#include "graphics/effects.h"
#include "input/joystick.h"
#include "windows.h"

uint8_t g_fireLatch = kLatchFree;
uint8_t g_autoFireCounter = 0;

namespace {

const int kMissileCost = 700;
const int kLaserCost = 1000;

// Arrows count while down or when pressed since the last look; every other key only while down.
bool Touched(int key) { return GetAsyncKeyState(key) != 0; }
bool Down(int key) { return (GetAsyncKeyState(key) & 0x8000) != 0; }

// The controller for this call: a failed read counts as centred with nothing pressed,
// and the stick counts only at full deflection, like a pad.
DIJOYSTATE ReadPad()
{
    DIJOYSTATE pad = {};
    if (g_joystickPresent != 1) return pad;
    if (FAILED(ReadJoystick(&pad))) return DIJOYSTATE{};
    if (pad.lX % 1000 != 0) pad.lX = 0;
    if (pad.lY % 1000 != 0) pad.lY = 0;
    return pad;
}

// The first free shot leaves just above the craft. With none free nothing is launched.
void LaunchShot(const GameObject& player)
{
    for (GameObject& shot : g_world.playerShots) {
        if (shot.state != 0) continue;
        shot.state |= 1;
        shot.pos.x = player.pos.x;
        shot.pos.y = player.pos.y + 1.0f;
        return;
    }
}

// Missile 0 still in flight: the energy is spent all the same, and nothing starts.
void BuyMissiles(uint8_t latch)
{
    if (g_fireLatch != kLatchFree || g_missilePhase != 0 || g_energy < kMissileCost) return;
    g_energy -= kMissileCost;
    g_fireLatch = latch;
    if (g_world.missiles[0].state == 0) g_missilePhase = 1;
}

void BuyLaser(uint8_t latch)
{
    if (g_fireLatch != kLatchFree || g_laserActive != 0 || g_energy < kLaserCost) return;
    g_energy -= kLaserCost;
    g_fireLatch = latch;
    g_laserActive = 1;
}

void DropLatch(bool held, uint8_t latch)
{
    if (!held && g_fireLatch == latch) g_fireLatch = kLatchFree;
}

// A shot input's release also restarts the auto-fire rhythm.
void DropShotLatch(bool held, uint8_t latch)
{
    if (!held && g_fireLatch == latch) {
        g_fireLatch = kLatchFree;
        g_autoFireCounter = 0;
    }
}

void SteerByKeys(GameObject& player)
{
    if (Touched(VK_LEFT)) {
        player.pos.x -= 0.1f;
        player.rot.y += 3.0f;
        if (player.rot.y > 30.0f) player.rot.y = 30.0f;
    }
    if (Touched(VK_RIGHT)) {
        player.pos.x += 0.1f;
        player.rot.y -= 3.0f;
        if (player.rot.y < -30.0f) player.rot.y = -30.0f;
    }
    if (Touched(VK_UP)) player.pos.y += 0.1f;
    if (Touched(VK_DOWN)) player.pos.y -= 0.1f;
    if (!Down(VK_LEFT) && !Down(VK_RIGHT)) {
        if (player.rot.y < 0.0f) player.rot.y += 1.0f;
        else if (player.rot.y > 0.0f) player.rot.y -= 1.0f;
    }
}

void FireByKeys(GameObject& player)
{
    if (Down('Z') && g_fireLatch == kLatchFree) {
        g_fireLatch = kLatchKeyZ;
        PlaySoundEffect(g_sndShot);
        LaunchShot(player);
    }
    DropShotLatch(Down('Z'), kLatchKeyZ);
    if (Down('X')) BuyMissiles(kLatchKeyX);
    DropLatch(Down('X'), kLatchKeyX);
    if (Down('C')) BuyLaser(kLatchKeyC);
    DropLatch(Down('C'), kLatchKeyC);
}

// Stick and keys add up; a stick pushed forward (negative lY) raises the craft.
void ControlByPad(GameObject& player, const DIJOYSTATE& pad)
{
    player.pos.x += float(pad.lX) / 10000.0f;
    player.pos.y -= float(pad.lY) / 10000.0f;
    const float bank = float(pad.lX) / 1000.0f * 3.0f;
    if (pad.lX > 0 && player.rot.y >= -30.0f) {
        player.rot.y -= bank;
        if (player.rot.y < -30.0f) player.rot.y = -30.0f;
    }
    if (pad.lX < 0 && player.rot.y <= 30.0f) {
        player.rot.y -= bank;
        if (player.rot.y > 30.0f) player.rot.y = 30.0f;
    }

    const bool shots = pad.rgbButtons[0] != 0;
    const bool missiles = pad.rgbButtons[1] != 0;
    const bool laser = pad.rgbButtons[2] != 0;
    if (shots && g_fireLatch == kLatchFree) {
        g_fireLatch = kLatchButton0;
        LaunchShot(player);
    }
    DropShotLatch(shots, kLatchButton0);
    if (missiles) BuyMissiles(kLatchButton1);
    DropLatch(missiles, kLatchButton1);
    if (laser) BuyLaser(kLatchButton2);
    DropLatch(laser, kLatchButton2);
}

// A held shot input drops its latch every 20 counted calls, so its press test fires
// again on the next call. The counter's 8-bit wrap makes one interval in 256 calls 16.
void CountAutoFire()
{
    const bool shooting = g_fireLatch == kLatchKeyZ || g_fireLatch == kLatchButton0;
    if (shooting) ++g_autoFireCounter;
    if (g_autoFireCounter % 20 == 0 && shooting) g_fireLatch = kLatchFree;
}

}  // namespace

void UpdatePlayerControl()
{
    GameObject& player = g_world.player;
    const DIJOYSTATE pad = ReadPad();
    SteerByKeys(player);
    FireByKeys(player);
    if (g_joystickPresent == 1) ControlByPad(player, pad);

    if (player.pos.x < -10.5f) player.pos.x = -10.5f;
    if (player.pos.x > 10.5f) player.pos.x = 10.5f;
    if (player.pos.y < -10.8f) player.pos.y = -10.8f;
    if (player.pos.y > 15.0f) player.pos.y = 15.0f;
    CountAutoFire();
}
