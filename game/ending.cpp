// The ending's entry and frame, and the craft shown in it. The view is the stage
// camera's, which the last stage or boss frame left set.
#include "game/ending.h"

#include "audio/music.h"
#include "core/game_world.h"
#include "core/globals.h"
#include "core/scene.h"
#include "game/sprite_cell.h"
#include "game/staff_roll.h"
#include "graphics/models.h"

float g_endingAlphaStep = 0.002f;  // 501 frames to fade in, 501 to fade out

void EnterEnding()
{
    // Close in front of the camera, unseen until its alpha swells.
    GameObject& craft = g_world.player;
    craft.pos = D3DXVECTOR3(0.0f, -9.0f, -18.0f);
    craft.rot = D3DXVECTOR3(-90.0f, 0.0f, 0.0f);
    craft.colour[3] = 0.0f;

    static const D3DXVECTOR2 kLineStarts[6] = {{170.0f, 165.0f}, {200.0f, 100.0f}, {400.0f, 240.0f},
                                               {50.0f, 300.0f},  {100.0f, 200.0f}, {170.0f, 165.0f}};
    for (int i = 0; i < 6; ++i) g_staffLinePos[i] = kLineStarts[i];

    Sleep(1);
    PlayMidi("ending.mid", 1, 1);
    g_sceneFunc = EndingFrame;
}

void EndingFrame()
{
    g_device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, D3DCOLOR_XRGB(0, 0, 0), 1.0f, 0);
    // A failed begin stands the whole ending still for this frame, but it is presented.
    if (SUCCEEDED(g_device->BeginScene())) {
        UpdateEndingModel();
        if (BeginSprite()) {
            DrawStaffRoll();
            g_sprite->End();
        }
        g_device->EndScene();
    }
    PresentFrame();
}

void UpdateEndingModel()
{
    // The turns grow without wrapping.
    GameObject& craft = g_world.player;
    craft.rot.x += 1.0f;
    craft.rot.y += 0.5f;

    float& alpha = craft.colour[3];
    alpha += g_endingAlphaStep;
    if (alpha > 1.0f) {
        alpha = 1.0f;
        g_endingAlphaStep = -g_endingAlphaStep;
    }
    if (alpha < 0.0f) {
        alpha = 0.0f;
        g_endingAlphaStep = -g_endingAlphaStep;
    }
    DrawModel(&craft);  // in the standing blend, which the staff roll gives back
}
