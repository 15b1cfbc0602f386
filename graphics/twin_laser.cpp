// The twin laser: two thin beams either side of the craft whose head grows to 30 units,
// holds, and whose tail then climbs after it until the run ends.
#include "core/globals.h"
#include "graphics/effect_states.h"
#include "graphics/effects.h"

EffectVertex g_laserQuad[4];
int32_t g_laserFrame;
uint8_t g_laserActive;

namespace {

constexpr int32_t kHoldUntil = 700;  // calls of a run before the tail starts to climb
constexpr float kLength = 30.0f;     // world units
constexpr float kGrowth = 0.5f;      // world units per call

void DrawBeam(const EffectVertex* quad, float x, float y, float z)
{
    D3DXMATRIXA16 world;
    D3DXMatrixTranslation(&world, x, y, z);
    g_device->SetTransform(D3DTS_WORLD, &world);
    g_device->DrawPrimitiveUP(D3DPT_TRIANGLEFAN, 2, quad, sizeof(EffectVertex));
}

}  // namespace

// Draws under the standing blend (no glow), so the vertices' alpha halves the picture's.
// The heights and counter change only here: a run whose flag was cleared from outside
// goes on from them when the laser is bought again.
void DrawTwinLaser(EffectVertex* quad, GameObject player)
{
    SetEffectStates();
    DrawBeam(quad, player.pos.x - 0.2f, player.pos.y, player.pos.z);
    DrawBeam(quad, player.pos.x + 0.2f, player.pos.y, player.pos.z);
    g_device->SetRenderState(D3DRS_LIGHTING, TRUE);

    if (g_laserFrame < kHoldUntil) {
        quad[0].position.y += kGrowth;
        if (quad[0].position.y > kLength) quad[0].position.y = kLength;
        quad[1].position.y = quad[0].position.y;
    } else {
        quad[2].position.y += kGrowth;
        quad[3].position.y = quad[2].position.y;
    }
    if (quad[2].position.y >= kLength) {
        g_laserActive = 0;
        for (int i = 0; i < 4; ++i) quad[i].position.y = 0.0f;
        g_laserFrame = 0;
    }
    // Counted after an ending too, so every run after the first is one call shorter.
    ++g_laserFrame;
}
