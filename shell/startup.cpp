// WinMain: makes every long-lived platform object once, in a fixed order, then runs the
// main loop. A failure that ends the start-up returns 0 without the shutdown.
#include "shell/startup.h"

#include "audio/sound_effects.h"
#include "core/scene.h"
#include "game/title.h"
#include "input/joystick.h"
#include "shell/main_loop.h"
#include "timeapi.h"

namespace {

const char kClassName[] = "Generic Game SDK Window";

void RegisterWindowClass(HINSTANCE instance)
{
    WNDCLASSA windowClass = {};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = WndProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);
}

// Steps 6 and 7 fail softly: the box is shown, the quit message posted, and the start-up
// goes on, so the loop ends before any scene runs.
void SetUpPrimaryBuffer()
{
    if (FAILED(g_directSound->SetCooperativeLevel(g_hWnd, DSSCL_PRIORITY))) {
        MessageBoxA(g_hWnd, "DirectSound の協調レベルの設定に失敗しました。", "", MB_ICONHAND);
        PostQuitMessage(0);
    }
    DSBUFFERDESC desc = {};
    desc.dwSize = sizeof(DSBUFFERDESC);
    desc.dwFlags = DSBCAPS_PRIMARYBUFFER | DSBCAPS_CTRLVOLUME;
    if (FAILED(g_directSound->CreateSoundBuffer(&desc, &g_primaryBuffer, nullptr))) {
        MessageBoxA(g_hWnd, "プライマリ・サウンド・バッファの作成に失敗しました。", "", MB_ICONHAND);
        PostQuitMessage(0);
    }
}

void LoadEffect(IDirectSoundBuffer** buffer, const char* fileName, LONG volume)
{
    *buffer = LoadWaveBuffer(fileName);
    if (*buffer) (*buffer)->SetVolume(volume);
}

void LoadEffects()
{
    LoadEffect(&g_sndEnter, "./DATA/snd/enter.wav", -1400);
    LoadEffect(&g_sndShot, "./DATA/snd/shot.wav", -1000);
    LoadEffect(&g_sndEnemyDie, "./DATA/snd/EnemyDie.wav", 0);
    LoadEffect(&g_sndDamage, "./DATA/snd/damege.wav", 0);
    LoadEffect(&g_sndSiren, "./DATA/snd/siren.wav", 0);
    LoadEffect(&g_sndLaser, "./DATA/snd/laser.wav", 0);
    LoadEffect(&g_sndBossDie, "./DATA/snd/BossDie.wav", 0);
}

void FillPresentParams(bool fullScreen)
{
    D3DPRESENT_PARAMETERS params = {};
    params.BackBufferWidth = 640;
    params.BackBufferHeight = 480;
    if (fullScreen) {
        params.BackBufferFormat = D3DFMT_X8R8G8B8;
    } else {
        D3DDISPLAYMODE mode = {};
        g_d3d->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode);
        params.BackBufferFormat = mode.Format;
    }
    params.BackBufferCount = 0;
    params.MultiSampleType = D3DMULTISAMPLE_NONE;
    params.MultiSampleQuality = 0;
    params.SwapEffect = D3DSWAPEFFECT_FLIP;
    params.hDeviceWindow = nullptr;
    params.Windowed = fullScreen ? FALSE : TRUE;
    params.EnableAutoDepthStencil = TRUE;
    params.AutoDepthStencilFormat = D3DFMT_D16;
    params.Flags = D3DPRESENTFLAG_LOCKABLE_BACKBUFFER;
    params.FullScreen_RefreshRateInHz = 0;
    params.PresentationInterval = D3DPRESENT_INTERVAL_DEFAULT;
    g_presentParams = params;
}

// Hardware vertex processing, then software, then the reference device, with a caution
// box before each fallback. False when all three fail.
bool CreateDevice()
{
    D3DPRESENT_PARAMETERS params = g_presentParams;
    if (SUCCEEDED(g_d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, g_hWnd,
                                      D3DCREATE_HARDWARE_VERTEXPROCESSING, &params, &g_device)))
        return true;
    MessageBoxA(g_hWnd, "ﾊｰﾄﾞｳｪｱでのﾃﾞﾊﾞｲｽの作成に失敗しました。\n処理速度が低下する恐れがあります。", "注意",
                MB_OK);
    params = g_presentParams;
    if (SUCCEEDED(g_d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, g_hWnd,
                                      D3DCREATE_SOFTWARE_VERTEXPROCESSING, &params, &g_device)))
        return true;
    MessageBoxA(g_hWnd, "ｿﾌﾄｳｪｱでのﾃﾞﾊﾞｲｽの作成に失敗しました。\nさらに処理速度が低下する恐れがあります。",
                "注意", MB_OK);
    params = g_presentParams;
    if (SUCCEEDED(g_d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_REF, g_hWnd,
                                      D3DCREATE_SOFTWARE_VERTEXPROCESSING, &params, &g_device)))
        return true;
    MessageBoxA(nullptr, "DirectX9が初期化できません。\n未対応のパソコンと思われます。", "ERROR", MB_ICONHAND);
    return false;
}

void LoadSpriteSheets()
{
    const D3DCOLOR kColourKey = 0xFF000000;  // opaque black becomes transparent
    LoadTexture(&g_texScoreboard, "./DATA/pic/scoreboad.bmp", 640, 480, kColourKey);
    LoadTexture(&g_texTitle, "./DATA/pic/Title.bmp", 640, 1024, kColourKey);
    LoadTexture(&g_texGame, "./DATA/pic/game.bmp", 1024, 512, kColourKey);
    LoadTexture(&g_texGlyphs, "./DATA/pic/ABC012.bmp", 512, 512, kColourKey);
    LoadTexture(&g_texEnding, "./DATA/pic/endscr.bmp", 512, 1024, kColourKey);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    RegisterWindowClass(instance);
    g_hWnd = CreateWindowExA(0, kClassName, "Veltrane", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 640,
                             480, nullptr, nullptr, instance, nullptr);
    if (!g_hWnd) return 0;

    const bool fullScreen =
        MessageBoxA(g_hWnd,
                    "フルスクリーンで実行しますか？\nいいえを選んだ場合ウィンドウモードで実行します。\n\n"
                    "(フルスクリーン推奨)",
                    "スクリーン設定", MB_YESNO) == IDYES;

    ShowWindow(g_hWnd, showCommand);
    UpdateWindow(g_hWnd);
    SetFocus(g_hWnd);
    if (fullScreen) ShowCursor(FALSE);

    if (FAILED(DirectSoundCreate8(nullptr, &g_directSound, nullptr))) {
        MessageBoxA(g_hWnd, "DirectSound オブジェクトの作成に失敗しました。", "", MB_ICONHAND);
        return 0;
    }
    SetUpPrimaryBuffer();
    LoadEffects();

    g_d3d = Direct3DCreate9(D3D_SDK_VERSION);
    if (!g_d3d) {
        MessageBoxA(nullptr, "Direct3D の作成に失敗しました。", "ERROR", MB_ICONHAND);
        return 0;
    }
    FillPresentParams(fullScreen);
    if (!CreateDevice()) {
        g_d3d->Release();
        g_d3d = nullptr;
        return 0;
    }

    g_hInstance = instance;
    D3DXCreateSprite(g_device, &g_sprite);
    LoadSpriteSheets();
    SetupRenderStates();
    InitDirectInput(g_hWnd);
    timeBeginPeriod(1);

    g_sceneFunc = EnterTitle;
    return RunMainLoop();
}
