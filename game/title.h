// The title scene: the title picture with its sliding logo and blinking caption until
// Enter, then the game start that hands over to the stage loading.
#pragma once

#include <cstdint>

#include "d3dx9.h"

// The title is shown once per run, so none of this is ever reset.
extern D3DXVECTOR2 g_logoPosA;  // screen pixels of logo part A's top-left corner
extern D3DXVECTOR2 g_logoPosB;  // the same for logo part B
extern uint8_t g_titleFlags;    // 0x01 logo part A has arrived; 0x02 the logo parts are placed
extern uint8_t g_blinkCounter;  // frames counted toward the next caption toggle
extern uint8_t g_blinkFlag;     // 1 while the caption is shown
extern uint8_t g_enterLatch;    // 0x10 the Enter press has been taken

// The first scene function: starts the title tune and stores TitleFrame.
void EnterTitle();
// One title frame, drawn and presented before Enter is looked at; Enter stores StartGame.
void TitleFrame();
// Stores the stage loading; it runs in the scene call after the one that saw Enter.
void StartGame();
// The title picture between its own scene begin and end, then one step of the logo's
// slide-in and the caption's blink, which go on when the scene cannot begin.
void DrawTitle();
