// The Direct3D object of the real platform: display modes from SDL, devices over OpenGL.
#pragma once

#include "d3d9.h"

namespace d3d9 {

// A new Direct3D object with one reference; null when SDL's video cannot start.
IDirect3D9* CreateGlDirect3D();

}  // namespace d3d9
