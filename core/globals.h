// The long-lived platform objects the start-up makes once, read by every subsystem above.
// Nothing here includes game code, so any subsystem may include it.
#pragma once

#include "d3dx9.h"
#include "dsound.h"
#include "windows.h"

extern HWND g_hWnd;
extern HINSTANCE g_hInstance;  // the joystick set-up needs it
extern IDirectSound8* g_directSound;
extern IDirectSoundBuffer* g_primaryBuffer;  // volume control only; nothing plays into it
// The seven effects; null when a file failed to load, which leaves that effect silent.
extern IDirectSoundBuffer* g_sndEnter;
extern IDirectSoundBuffer* g_sndShot;
extern IDirectSoundBuffer* g_sndEnemyDie;
extern IDirectSoundBuffer* g_sndDamage;
extern IDirectSoundBuffer* g_sndSiren;
extern IDirectSoundBuffer* g_sndLaser;
extern IDirectSoundBuffer* g_sndBossDie;
extern IDirect3D9* g_d3d;
extern IDirect3DDevice9* g_device;
extern D3DPRESENT_PARAMETERS g_presentParams;  // kept for the reset after a failed present
extern ID3DXSprite* g_sprite;
// The five sprite sheets; null when a sheet failed to load.
extern IDirect3DTexture9* g_texScoreboard;
extern IDirect3DTexture9* g_texTitle;
extern IDirect3DTexture9* g_texGame;
extern IDirect3DTexture9* g_texGlyphs;
extern IDirect3DTexture9* g_texEnding;
