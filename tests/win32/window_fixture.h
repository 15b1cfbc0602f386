// A window on the window-system stand-in whose procedure notes every message it gets and
// hands the rest to the default procedure, as a game's procedure does.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "fake/call_log.h"
#include "fake/fake.h"
#include "fake/fake_win32.h"

struct SeenMessage {
    UINT message;
    WPARAM wParam;
};

class WindowTest : public ::testing::Test {
protected:
    static std::vector<SeenMessage>& Seen()
    {
        static std::vector<SeenMessage> seen;
        return seen;
    }

    static LRESULT CALLBACK NotingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        Seen().push_back({message, wParam});
        return DefWindowProcA(window, message, wParam, lParam);
    }

    void SetUp() override
    {
        Seen().clear();
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = NotingProcedure;
        windowClass.lpszClassName = "WindowTest";
        ASSERT_NE(RegisterClassA(&windowClass), 0);
        window_ = CreateWindowExA(0, "WindowTest", "test", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 640,
                                  480, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(window_, nullptr);
        SetFocus(window_);
    }

    // Takes and dispatches every waiting message, as a message loop would.
    void DispatchWaiting()
    {
        MSG msg = {};
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }

    fake::Installed installed_;
    HWND window_ = nullptr;
};
