// The program's only message loop: one message per turn, or else one call of the scene.
#include "shell/main_loop.h"

#include "audio/music.h"
#include "core/scene.h"
#include "timeapi.h"

int RunMainLoop()
{
    MSG msg = {};
    for (;;) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!GetMessageA(&msg, nullptr, 0, 0)) break;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        } else {
            g_sceneFunc();
        }
    }

    timeEndPeriod(1);
    if (g_musicPerformance) g_musicPerformance->StopEx(g_musicSegment, 0, 0);
    Cleanup();
    return int(msg.wParam);
}
