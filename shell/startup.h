// The start-up's own procedures: the window procedure, the sprite-sheet loader and the
// standing render states. The long-lived objects they fill live in core/globals.h.
#pragma once

#include "core/globals.h"

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Loads one sprite sheet at its own pixels (no resampling); a width or height of 0 asks
// for the file's own. A failure leaves the target null, without a message.
void LoadTexture(IDirect3DTexture9** texture, const char* fileName, UINT width, UINT height, D3DCOLOR colourKey);
// The device states that hold for the whole run; drawing code changes the blend factors
// or the lighting for a moment and sets them back.
void SetupRenderStates();
