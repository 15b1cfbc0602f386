// The craft under the player's hands: arrow keys or stick to steer and bank, Z or button
// 0 for shots, X or button 1 for the missile manoeuvre, C or button 2 for the laser.
// The stage and boss frames call it once per frame while the craft is in play and no
// manoeuvre runs.
#pragma once

#include <cstdint>

#include "game/missile_manoeuvre.h"  // the frames steer by its phase and steps too

// Which fire input holds the latch; an input's press acts only while it is 0.
enum : uint8_t {
    kLatchFree = 0,
    kLatchKeyZ = 1,
    kLatchButton0 = 2,
    kLatchButton1 = 3,
    kLatchKeyX = 4,
    kLatchKeyC = 16,
    kLatchButton2 = 32,  // its own value, so a held button 2 cannot buy a laser the moment one ends
};
extern uint8_t g_fireLatch;
// Calls counted while a shot input holds the latch; 8 bits wide, so it wraps.
extern uint8_t g_autoFireCounter;

// One frame of steering, banking and firing of g_world's player.
void UpdatePlayerControl();
