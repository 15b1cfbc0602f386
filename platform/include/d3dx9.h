// The D3DX utility library as the game uses it: math, sprite, textures from files and
// .x meshes.
#pragma once

#include "d3dx9math.h"
#include "d3dx9core.h"
#include "d3dx9tex.h"
#include "d3dx9mesh.h"
