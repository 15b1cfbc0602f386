// The title scene: its entry, its frame with the sliding logo and the blinking caption,
// and the game start.
#include "game/title.h"

#include "audio/music.h"
#include "audio/sound_effects.h"
#include "core/globals.h"
#include "core/scene.h"
#include "game/sprite_cell.h"
#include "game/stage_loading.h"
#include "windows.h"

namespace {

constexpr uint8_t kLogoAArrived = 0x01;
constexpr uint8_t kLogosPlaced = 0x02;
constexpr uint8_t kEnterTaken = 0x10;

// Cells of Title.bmp.
const RECT kBackground = {0, 0, 640, 480};
const RECT kLogoA = {0, 612, 319, 700};
const RECT kLogoB = {322, 612, 540, 700};
const RECT kCaption = {0, 702, 280, 747};

// Both parts start off the screen and slide in a seventieth of the way per frame.
const D3DXVECTOR2 kLogoAStart(740.0f, -100.0f);
const D3DXVECTOR2 kLogoAEnd(223.0f, 55.0f);
const D3DXVECTOR2 kLogoBStart(-100.0f, 580.0f);
const D3DXVECTOR2 kLogoBEnd(60.0f, 362.0f);
const D3DXVECTOR2 kLogoAStep((kLogoAEnd.x - kLogoAStart.x) / 70.0f, (kLogoAEnd.y - kLogoAStart.y) / 70.0f);
const D3DXVECTOR2 kLogoBStep((kLogoBEnd.x - kLogoBStart.x) / 70.0f, (kLogoBEnd.y - kLogoBStart.y) / 70.0f);
const D3DXVECTOR2 kLogoScaling(1.3f, 1.3f);

void DrawTitleSprites()
{
    DrawSpriteCell(g_texTitle, kBackground, D3DXVECTOR2(0.0f, 0.0f), 0xFFFFFFFF);
    if (g_blinkFlag == 1) DrawSpriteCell(g_texTitle, kCaption, D3DXVECTOR2(180.0f, 220.0f), 0xFFFFFFFF);
    // Three passes of added light make the logo glow.
    SetSpriteBlend(D3DBLEND_DESTALPHA);
    for (int pass = 0; pass < 3; ++pass) {
        DrawScaledSpriteCell(g_texTitle, kLogoA, g_logoPosA, kLogoScaling);
        DrawScaledSpriteCell(g_texTitle, kLogoB, g_logoPosB, kLogoScaling);
    }
    SetSpriteBlend(D3DBLEND_INVSRCALPHA);
}

// Each coordinate is clamped by itself; one that has arrived is pushed past its end in
// every later frame and set back to it.
void SlideLogo()
{
    g_logoPosA = g_logoPosA + kLogoAStep;
    if (g_logoPosA.x < kLogoAEnd.x) {
        g_logoPosA.x = kLogoAEnd.x;
        g_titleFlags |= kLogoAArrived;
    }
    if (g_logoPosA.y > kLogoAEnd.y) g_logoPosA.y = kLogoAEnd.y;
    g_logoPosB = g_logoPosB + kLogoBStep;
    if (g_logoPosB.x > kLogoBEnd.x) g_logoPosB.x = kLogoBEnd.x;
    if (g_logoPosB.y < kLogoBEnd.y) g_logoPosB.y = kLogoBEnd.y;
}

// The caption blinks from part A's arrival on: 31 frames shown, 31 hidden.
void BlinkCaption()
{
    if (!(g_titleFlags & kLogoAArrived)) return;
    ++g_blinkCounter;
    if (g_blinkCounter > 30) {
        g_blinkFlag = g_blinkFlag == 0 ? 1 : 0;
        g_blinkCounter = 0;
    }
}

}  // namespace

D3DXVECTOR2 g_logoPosA;
D3DXVECTOR2 g_logoPosB;
uint8_t g_titleFlags = 0;
uint8_t g_blinkCounter = 0;
uint8_t g_blinkFlag = 0;
uint8_t g_enterLatch = 0;

void EnterTitle()
{
    PlayMidi("title.mid", 0, 1);  // no tune plays before it, so nothing to stop
    g_sceneFunc = TitleFrame;
}

void TitleFrame()
{
    g_device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, D3DCOLOR_XRGB(0, 0, 0), 1.0f, 0);
    DrawTitle();
    PresentFrame();

    // The key's state now, not a fresh press: Enter held from the start starts the game.
    if (!(GetAsyncKeyState(VK_RETURN) & 0x8000)) return;
    if (g_enterLatch & kEnterTaken) return;
    g_enterLatch |= kEnterTaken;
    PlaySoundEffect(g_sndEnter);
    g_sceneFunc = StartGame;
}

void StartGame() { g_sceneFunc = LoadStage; }

void DrawTitle()
{
    if (!(g_titleFlags & kLogosPlaced)) {
        g_logoPosA = kLogoAStart;
        g_logoPosB = kLogoBStart;
        g_titleFlags |= kLogosPlaced;
    }
    if (SUCCEEDED(g_device->BeginScene())) {
        if (BeginSprite()) {
            DrawTitleSprites();
            g_sprite->End();
        }
        g_device->EndScene();
    }
    SlideLogo();
    BlinkCaption();
}
