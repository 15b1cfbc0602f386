#include "game/stage_warning.h"

#include "audio/sound_effects.h"
#include "core/globals.h"
#include "game/sprite_cell.h"

int32_t g_warningAlpha = 0;
int32_t g_warningStep = 3;
int32_t g_sirenCounter = 0;

void DrawWarningSign()
{
    DrawSpriteCell(g_texGame, {110, 200, 490, 360}, D3DXVECTOR2(130.0f, 160.0f),
                   D3DCOLOR_ARGB(g_warningAlpha, 255, 255, 255));
    // Each end value is clamped and shown once more before the pulse turns.
    g_warningAlpha += g_warningStep;
    if (g_warningAlpha < 0) {
        g_warningAlpha = 0;
        g_warningStep = -g_warningStep;
    }
    if (g_warningAlpha > 255) {
        g_warningStep = -g_warningStep;
        g_warningAlpha = 255;
    }
}

void SoundSiren(float stageTimer)
{
    if (stageTimer > kWarningStart && g_sirenCounter == 0) PlaySoundEffect(g_sndSiren);
    if (++g_sirenCounter == 50) g_sirenCounter = 0;
}
