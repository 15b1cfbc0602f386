#include "core/game_world.h"

GameWorld g_world;
