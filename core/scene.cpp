#include "core/scene.h"

#include "core/globals.h"

SceneFunc g_sceneFunc = nullptr;

void PresentFrame()
{
    if (FAILED(g_device->Present(nullptr, nullptr, nullptr, nullptr))) g_device->Reset(&g_presentParams);
}
