#include "shell/game_world.h"

GameWorld g_world;
