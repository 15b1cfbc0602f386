// Models: a game object's mesh with its materials and textures, its bounding sphere, and
// its drawing with its own transform, the fixed projection, one light and its own colour.
// Called by the stage loading (load and measure, once per model) and by every play frame
// (draw), between the device's scene begin and end.
#pragma once

#include "core/game_object.h"

// Loads the .x file (a path relative to the working directory) into the object and copies
// the starting position, rotation (degrees), scale and colour (r, g, b, a). A file that
// fails to load is reported in a message box with the file name as caption; the object
// then keeps a null mesh. Returns 0 or E_FAIL.
HRESULT LoadModel(GameObject* object, const char* fileName, const D3DXVECTOR3* pos, const D3DXVECTOR3* rot,
                  const D3DXVECTOR3* scale, const float* colour);

// Measures the loaded mesh: model-space centre and radius into sphere, and the collision
// radius factor s * scale.z (world radius = sphere.radius * radiusFactor).
HRESULT ComputeBoundingSphere(GameObject* object, float s);

void DrawModel(GameObject* object);
