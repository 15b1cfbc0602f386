// One look per enemy movement pattern; BuildEnemy(type) picks among them.
#pragma once

#include "models/mesh.h"

namespace makedata {

Mesh BuildTurner(int type, Colour eye, bool mirror);
Mesh BuildGunner();
Mesh BuildSpinner();
Mesh BuildHomer();
Mesh BuildMine();
Mesh BuildFastOne();

}  // namespace makedata
