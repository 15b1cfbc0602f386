// Runs the game's WinMain on the stand-ins and forgets the shell's globals afterwards, so
// that every test starts from a program that has not run yet.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/scene.h"
#include "fake/call_log.h"
#include "fake/fake.h"
#include "fake/fake_d3d9.h"
#include "fake/fake_sound.h"
#include "fake/fake_sprite.h"
#include "fake/fake_win32.h"
#include "input/joystick.h"
#include "shell/main_loop.h"
#include "shell/startup.h"
#include "support/game_state.h"

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake::Install();
        game_state::ResetToStart();
    }

    void TearDown() override
    {
        // A start-up that returned 0 skipped the shutdown: release what it made.
        Cleanup();
        game_state::ResetToStart();
        fake::Uninstall();
    }

    // Runs the program until the quit message after the given number of frames.
    int RunGame(int frames = 1)
    {
        fake::SetPresentHook([frames](int frame) {
            if (frame + 1 == frames) fake::PostQuit(0);
        });
        return WinMain(kInstance, nullptr, const_cast<char*>(""), SW_SHOWDEFAULT);
    }

    // The record without the lines of the loaders' inner work (texture creation, the
    // effect buffers being filled), which their own tests cover.
    static std::vector<std::string> Outline()
    {
        std::vector<std::string> outline;
        for (const std::string& call : fake::Calls()) {
            if (call.rfind("CreateTexture(", 0) == 0 || call.rfind("SoundBuffer.Lock", 0) == 0 ||
                call.rfind("SoundBuffer.Unlock", 0) == 0)
                continue;
            outline.push_back(call);
        }
        return outline;
    }

    static bool Called(const std::string& prefix) { return !fake::CallsStartingWith(prefix).empty(); }

    static inline HINSTANCE const kInstance = reinterpret_cast<HINSTANCE>(uintptr_t(0x400000));
};
