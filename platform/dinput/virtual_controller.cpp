#include "virtual_controller.h"

#include <SDL.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace dinput {

namespace {

constexpr int kAxes = 2;
constexpr int kButtons = 4;

SDL_Joystick* g_virtualController = nullptr;

const char* StateFile()
{
    const char* file = std::getenv("VELTRANE_VIRTUAL_CONTROLLER");
    return file && *file ? file : nullptr;
}

}  // namespace

void AttachVirtualController()
{
    if (g_virtualController || !StateFile()) return;
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, kAxes, kButtons, 0);
    if (index < 0) return;
    g_virtualController = SDL_JoystickOpen(index);
    if (!g_virtualController) SDL_JoystickDetachVirtual(index);
}

void DetachVirtualController()
{
    if (!g_virtualController) return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(g_virtualController);
    SDL_JoystickClose(g_virtualController);
    g_virtualController = nullptr;
    for (int index = 0; index < SDL_NumJoysticks(); ++index) {
        if (SDL_JoystickGetDeviceInstanceID(index) == id) SDL_JoystickDetachVirtual(index);
    }
}

void FeedVirtualController()
{
    const char* file = StateFile();
    if (!g_virtualController || !file) return;
    // The writer replaces the file whole; plain reads into a fixed buffer, once per read.
    char line[64] = {};
    const int descriptor = open(file, O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return;
    const ssize_t length = read(descriptor, line, sizeof line - 1);
    close(descriptor);
    int x = 0, y = 0;
    unsigned buttons = 0;
    if (length <= 0 || std::sscanf(line, "%d %d %u", &x, &y, &buttons) != 3) return;
    SDL_JoystickSetVirtualAxis(g_virtualController, 0, Sint16(std::clamp(x, -32768, 32767)));
    SDL_JoystickSetVirtualAxis(g_virtualController, 1, Sint16(std::clamp(y, -32768, 32767)));
    for (int button = 0; button < kButtons; ++button)
        SDL_JoystickSetVirtualButton(g_virtualController, button, (buttons >> button) & 1);
}

}  // namespace dinput
