// The process entry: choose the real platform, then run the game's WinMain as Windows would.
#include <cstdlib>
#include <string>

#include "d3d9/frame_pacing.h"
#include "platform.h"
#include "windows.h"

int main(int argc, char** argv)
{
    platform::UseRealPlatform();
    // Frames at once instead of 60 a second, for scripted playthroughs; the game itself
    // reads no environment.
    const char* noPacing = std::getenv("VELTRANE_NO_PACING");
    if (noPacing && *noPacing) d3d9::SetFramePacing(false);
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) commandLine += ' ';
        commandLine += argv[i];
    }
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(uintptr_t(0x400000));
    int result = WinMain(instance, nullptr, commandLine.data(), SW_SHOWDEFAULT);
    platform::ShutdownRealPlatform();
    return result;
}
