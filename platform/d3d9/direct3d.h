// Which Direct3D implementation Direct3DCreate9 hands out: the OpenGL one of the real
// platform, or the recording stand-in of the tests.
#pragma once

#include <functional>

#include "d3d9.h"

namespace d3d9 {

using Direct3DFactory = std::function<IDirect3D9*()>;
void SetDirect3DFactory(Direct3DFactory factory);

}  // namespace d3d9
