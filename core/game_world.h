// The one store of game objects. Pools are fixed arrays whose slots are taken and given
// back through their state; nothing is allocated while the game runs.
#pragma once

#include "core/game_object.h"

struct GameWorld {
    GameObject walls[2];
    GameObject player;
    GameObject playerShots[15];
    GameObject missiles[11];
    GameObject enemyTemplates[7];  // never drawn, only copied into enemies
    GameObject enemies[381];       // one per record of the stage timetable
    GameObject enemyShots[50];
    GameObject bossBombs[40];
    GameObject sky;
    GameObject boss;
};

extern GameWorld g_world;
