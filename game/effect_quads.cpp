// The starting corners of the effect quads: ten explosion cells, the flame strip and the
// laser beam, cut from game.bmp (1024 by 512); the drawing rewrites cells and heights.
#include "core/scene.h"
#include "game/stage.h"
#include "game/stage_loading.h"

namespace {

// Left, top, right and bottom of a quad: world units for corners, texture coordinates for cells.
struct Edges {
    float left, top, right, bottom;
};

// Corners top left, top right, bottom right, bottom left, a fan of two triangles.
void SetQuad(EffectVertex* quad, Edges corners, D3DCOLOR colour, Edges cell)
{
    SetVertex(&quad[0], D3DXVECTOR3(corners.left, corners.top, 0.0f), colour, D3DXVECTOR2(cell.left, cell.top));
    SetVertex(&quad[1], D3DXVECTOR3(corners.right, corners.top, 0.0f), colour, D3DXVECTOR2(cell.right, cell.top));
    SetVertex(&quad[2], D3DXVECTOR3(corners.right, corners.bottom, 0.0f), colour,
              D3DXVECTOR2(cell.right, cell.bottom));
    SetVertex(&quad[3], D3DXVECTOR3(corners.left, corners.bottom, 0.0f), colour, D3DXVECTOR2(cell.left, cell.bottom));
}

}  // namespace

void SetVertex(EffectVertex* vertex, D3DXVECTOR3 position, D3DCOLOR diffuse, D3DXVECTOR2 uv)
{
    vertex->position = position;
    vertex->diffuse = diffuse;
    vertex->uv = uv;
}

void BuildEffectQuads()
{
    // The first 80 by 80 pixel cell of the explosion.
    for (int quad = 0; quad < 10; ++quad)
        SetQuad(&g_explosionQuads[4 * quad], {-2.0f, 2.0f, 2.0f, -2.0f}, 0xFFFFFFFF, {0.0f, 0.0f, 0.078125f, 0.15625f});
    SetQuad(g_flameQuad, {-1.0f, 1.0f, 1.0f, -1.0f}, 0xFFFFFFFF,
            {1.0f / 1024.0f, 161.0f / 512.0f, 23.0f / 1024.0f, 198.0f / 512.0f});
    // Half see-through, and no height until a run grows it.
    SetQuad(g_laserQuad, {-0.1f, 0.0f, 0.1f, 0.0f}, 0x7FFFFFFF,
            {1.0f / 1024.0f, 333.0f / 512.0f, 13.0f / 1024.0f, 377.0f / 512.0f});
    g_sceneFunc = EnterStage;
}
