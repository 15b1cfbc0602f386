// The process entry: choose the real platform, then run the game's WinMain as Windows would.
#include <string>

#include "platform.h"
#include "windows.h"

int main(int argc, char** argv)
{
    platform::UseRealPlatform();
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
