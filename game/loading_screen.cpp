// The loading screen: a caption and two progress bars from Title.bmp, each call a whole
// frame; it keeps no state and sets no render state.
#include "game/loading_screen.h"

#include "core/globals.h"
#include "core/scene.h"
#include "game/sprite_cell.h"

namespace {

const RECT kCaption = {0, 748, 310, 798};
const RECT kBarFrame = {0, 800, 408, 815};
// The fills run 8 pixels inside the frames; rows of Title.bmp, widths from the caller.
constexpr LONG kUpperFillTop = 816;
constexpr LONG kLowerFillTop = 820;
constexpr LONG kFillHeight = 4;

void DrawLoadingSprites(int32_t barA, int32_t barB)
{
    DrawSpriteCell(g_texTitle, kCaption, D3DXVECTOR2(330.0f, 430.0f), 0xFFFFFFFF);
    DrawSpriteCell(g_texTitle, kBarFrame, D3DXVECTOR2(80.0f, 200.0f), 0xFFFFFFFF);
    DrawSpriteCell(g_texTitle, kBarFrame, D3DXVECTOR2(80.0f, 210.0f), 0xFFFFFFFF);
    DrawSpriteCell(g_texTitle, {0, kUpperFillTop, barA, kUpperFillTop + kFillHeight}, D3DXVECTOR2(88.0f, 206.0f),
                   0xFFFFFFFF);
    DrawSpriteCell(g_texTitle, {0, kLowerFillTop, barB, kLowerFillTop + kFillHeight}, D3DXVECTOR2(88.0f, 216.0f),
                   0xFFFFFFFF);
}

}  // namespace

void DrawLoadingScreen(int32_t barA, int32_t barB)
{
    g_device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, D3DCOLOR_XRGB(0, 0, 0), 1.0f, 0);
    if (SUCCEEDED(g_device->BeginScene())) {
        if (BeginSprite()) {
            DrawLoadingSprites(barA, barB);
            g_sprite->End();
        }
        g_device->EndScene();
    }
    PresentFrame();
}
