#include "core/globals.h"

HWND g_hWnd = nullptr;
HINSTANCE g_hInstance = nullptr;
IDirectSound8* g_directSound = nullptr;
IDirectSoundBuffer* g_primaryBuffer = nullptr;
IDirectSoundBuffer* g_sndEnter = nullptr;
IDirectSoundBuffer* g_sndShot = nullptr;
IDirectSoundBuffer* g_sndEnemyDie = nullptr;
IDirectSoundBuffer* g_sndDamage = nullptr;
IDirectSoundBuffer* g_sndSiren = nullptr;
IDirectSoundBuffer* g_sndLaser = nullptr;
IDirectSoundBuffer* g_sndBossDie = nullptr;
IDirect3D9* g_d3d = nullptr;
IDirect3DDevice9* g_device = nullptr;
D3DPRESENT_PARAMETERS g_presentParams = {};
ID3DXSprite* g_sprite = nullptr;
IDirect3DTexture9* g_texScoreboard = nullptr;
IDirect3DTexture9* g_texTitle = nullptr;
IDirect3DTexture9* g_texGame = nullptr;
IDirect3DTexture9* g_texGlyphs = nullptr;
IDirect3DTexture9* g_texEnding = nullptr;
