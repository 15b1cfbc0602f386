// The main loop, the scene pointer, the window procedure and the present convention, on
// the stand-ins.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/scene.h"
#include "fake/call_log.h"
#include "fake/fake.h"
#include "fake/fake_d3d9.h"
#include "fake/fake_win32.h"
#include "shell/main_loop.h"
#include "shell/startup.h"

namespace {

std::vector<std::string> g_events;

// A window whose procedure notes every message and otherwise is the game's.
LRESULT CALLBACK NotingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    g_events.push_back("message " + std::to_string(message));
    return WndProc(window, message, wParam, lParam);
}

class MainLoopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake::Install();
        g_events.clear();
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = NotingProcedure;
        windowClass.lpszClassName = "MainLoopTest";
        RegisterClassA(&windowClass);
        g_hWnd = CreateWindowExA(0, "MainLoopTest", "test", 0, 0, 0, 640, 480, nullptr, nullptr, nullptr, nullptr);
        SetFocus(g_hWnd);
        g_d3d = Direct3DCreate9(D3D_SDK_VERSION);
        D3DPRESENT_PARAMETERS params = {};
        params.Windowed = TRUE;
        ASSERT_EQ(g_d3d->CreateDevice(0, D3DDEVTYPE_HAL, g_hWnd, D3DCREATE_HARDWARE_VERTEXPROCESSING, &params,
                                      &g_device),
                  D3D_OK);
        g_presentParams = params;
        fake::ClearCalls();
    }

    void TearDown() override
    {
        Cleanup();
        g_hWnd = nullptr;
        fake::Uninstall();
    }
};

constexpr UINT kPing = 0x8001;

TEST_F(MainLoopTest, HandlesOneMessagePerTurnAndNoSceneWhileMessagesWait)
{
    static int s_calls;
    s_calls = 0;
    g_sceneFunc = [] {
        g_events.push_back("scene");
        if (++s_calls == 1) {
            fake::PostMessage(kPing);
            fake::PostMessage(kPing);
            fake::PostMessage(kPing);
        } else {
            PostQuitMessage(0);
        }
    };
    EXPECT_EQ(RunMainLoop(), 0);
    const std::string ping = "message " + std::to_string(kPing);
    const std::vector<std::string> expected = {"scene", ping, ping, ping, "scene"};
    EXPECT_EQ(g_events, expected);
    EXPECT_EQ(fake::MessageCalls().dispatch, 3);
    // Every turn looks for a message once: three messages, two scenes and the quit message.
    EXPECT_EQ(fake::MessageCalls().peek, 6);
}

TEST_F(MainLoopTest, AStoredSceneRunsAtTheNextTurnAfterTheStorerEnds)
{
    static SceneFunc s_second;
    s_second = [] {
        g_events.push_back("second");
        PostQuitMessage(0);
    };
    g_sceneFunc = [] {
        g_events.push_back("first begins");
        g_sceneFunc = s_second;
        g_events.push_back("first ends");
    };
    RunMainLoop();
    const std::vector<std::string> expected = {"first begins", "first ends", "second"};
    EXPECT_EQ(g_events, expected);
}

TEST_F(MainLoopTest, EscapeEndsTheLoopAfterTheSceneCallWithExitCodeZero)
{
    static int s_frames;
    s_frames = 0;
    g_sceneFunc = [] {
        ++s_frames;
        if (s_frames == 3) fake::PressKey(VK_ESCAPE);
        PresentFrame();
    };
    EXPECT_EQ(RunMainLoop(), 0);
    EXPECT_EQ(s_frames, 3);
    EXPECT_EQ(fake::CallsStartingWith("PostQuitMessage"), std::vector<std::string>{"PostQuitMessage(0)"});
}

TEST_F(MainLoopTest, KeysOtherThanEscapeAreAnsweredWithoutTheDefaultProcedure)
{
    for (int key : {int(VK_RETURN), int(VK_SPACE), int(VK_LEFT), int('Z')}) {
        EXPECT_EQ(WndProc(g_hWnd, WM_KEYDOWN, WPARAM(key), 0), 0);
    }
    EXPECT_TRUE(fake::CallsStartingWith("DefWindowProcA").empty());
    EXPECT_TRUE(fake::CallsStartingWith("PostQuitMessage").empty());
    EXPECT_EQ(WndProc(g_hWnd, WM_KEYDOWN, VK_ESCAPE, 0), 0);
    EXPECT_EQ(fake::CallsStartingWith("PostQuitMessage").size(), 1u);
}

TEST_F(MainLoopTest, ClosingTheWindowQuitsThroughItsDestruction)
{
    g_sceneFunc = [] {
        if (fake::Frame() == 1) fake::CloseWindow();
        PresentFrame();
    };
    EXPECT_EQ(RunMainLoop(), 0);
    const std::string destroy = "message " + std::to_string(WM_DESTROY);
    EXPECT_NE(std::find(g_events.begin(), g_events.end(), destroy), g_events.end());
    EXPECT_EQ(fake::Frame(), 2);
}

TEST_F(MainLoopTest, AFailingPresentIsAnsweredByOneResetPerFrame)
{
    fake::FailEveryPresent();
    g_sceneFunc = [] {
        PresentFrame();
        if (fake::Frame() == 4) PostQuitMessage(0);
    };
    RunMainLoop();
    std::vector<std::string> frames;
    for (const std::string& call : fake::Calls()) {
        if (call.rfind("Present", 0) == 0 || call.rfind("Reset", 0) == 0) frames.push_back(call.substr(0, 7));
    }
    const std::vector<std::string> expected = {"Present", "Reset({", "Present", "Reset({",
                                               "Present", "Reset({", "Present", "Reset({"};
    EXPECT_EQ(frames, expected);
    EXPECT_TRUE(fake::Device().created);
}

}  // namespace
