// The stage's one-time set-up (projection and material) and its camera.
#include "core/globals.h"
#include "core/scene.h"
#include "game/stage.h"

void EnterStage()
{
    g_device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, D3DCOLOR_ARGB(255, 0, 0, 0), 1.0f, 0);

    D3DXMATRIXA16 projection;
    D3DXMatrixPerspectiveFovLH(&projection, 1.0471976f, 4.0f / 3.0f, 1.0f, 1000.0f);
    g_device->SetTransform(D3DTS_PROJECTION, &projection);

    D3DMATERIAL9 material = {};
    material.Diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
    g_device->SetMaterial(&material);

    g_sceneFunc = StageFrame;
}

void SetStageCamera()
{
    D3DXVECTOR3 eye(0.0f, -10.0f, -20.0f);
    D3DXVECTOR3 at(0.0f, 0.0f, 1.0f);
    D3DXVECTOR3 up(0.0f, 1.0f, 0.0f);
    D3DXMATRIXA16 view;
    D3DXMatrixLookAtLH(&view, &eye, &at, &up);
    g_device->SetTransform(D3DTS_VIEW, &view);
}
