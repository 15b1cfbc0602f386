// The window-system stand-in's records and scripts.
#include <gtest/gtest.h>

#include "fake/call_log.h"
#include "fake/fake.h"
#include "fake/fake_win32.h"

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

class FakeWindowTest : public ::testing::Test {
protected:
    HWND MakeWindow()
    {
        WNDCLASSA windowClass = {};
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = Procedure;
        windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
        windowClass.lpszClassName = "Test Class";
        RegisterClassA(&windowClass);
        return CreateWindowExA(0, "Test Class", "Title", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 640,
                               480, nullptr, nullptr, nullptr, nullptr);
    }

    fake::Installed installed_;
};

TEST_F(FakeWindowTest, RecordsTheWindowCallsWithTheirArguments)
{
    HWND window = MakeWindow();
    ASSERT_EQ(window, fake::Window());
    ShowWindow(window, SW_SHOWDEFAULT);
    UpdateWindow(window);
    SetFocus(window);
    ShowCursor(FALSE);
    Sleep(16);
    timeBeginPeriod(1);
    timeEndPeriod(1);
    PostQuitMessage(0);
    EXPECT_EQ(fake::Calls(), (std::vector<std::string>{
                                 "RegisterClassA(\"Test Class\", DBLCLKS, ptr)",
                                 "CreateWindowExA(0, \"Test Class\", \"Title\", OVERLAPPEDWINDOW, USEDEFAULT, "
                                 "USEDEFAULT, 640, 480, null, null, null)",
                                 "ShowWindow(ptr, SHOWDEFAULT)",
                                 "UpdateWindow(ptr)",
                                 "SetFocus(ptr)",
                                 "ShowCursor(FALSE)",
                                 "Sleep(16)",
                                 "timeBeginPeriod(1)",
                                 "timeEndPeriod(1)",
                                 "PostQuitMessage(0)",
                             }));
    EXPECT_EQ(fake::WindowSystem().lastClass.hIcon, LoadIconA(nullptr, IDI_APPLICATION));
    EXPECT_TRUE(fake::WindowSystem().IsVisible(window));
    EXPECT_EQ(fake::WindowSystem().CursorCount(), -1);
}

TEST_F(FakeWindowTest, FailedCreateWindowGivesNoWindow)
{
    fake::FailCreateWindow();
    EXPECT_EQ(MakeWindow(), nullptr);
    EXPECT_EQ(fake::Window(), nullptr);
    EXPECT_EQ(fake::CallsStartingWith("CreateWindowExA(").size(), 1u);
}

TEST_F(FakeWindowTest, MessageBoxesAnswerInOrderThenByTheirButtons)
{
    HWND window = MakeWindow();
    fake::AnswerMessageBoxes({IDYES, IDCANCEL});
    EXPECT_EQ(MessageBoxA(window, "full screen?", "screen", MB_YESNO), IDYES);
    EXPECT_EQ(MessageBoxA(nullptr, "no device", "ERROR", MB_ICONHAND), IDCANCEL);
    EXPECT_EQ(MessageBoxA(window, "again?", "screen", MB_YESNO), IDNO);
    EXPECT_EQ(MessageBoxA(window, "caution", "", MB_OK), IDOK);
    EXPECT_EQ(fake::CallsStartingWith("MessageBoxA(")[1], "MessageBoxA(null, \"no device\", \"ERROR\", ICONHAND)");
}

TEST_F(FakeWindowTest, MessageCallsAreCountedAndRecordedOnlyWhenAsked)
{
    MakeWindow();
    fake::ClearCalls();
    MSG msg = {};
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    EXPECT_TRUE(fake::Calls().empty());
    fake::RecordMessageCalls();
    fake::PostMessage(WM_KEYDOWN, VK_SPACE, 1);
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    GetMessageA(&msg, nullptr, 0, 0);
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    EXPECT_EQ(fake::Calls(), (std::vector<std::string>{"PeekMessageA(null, 0, 0, NOREMOVE)", "GetMessageA(null, 0, 0)",
                                                       "TranslateMessage(KEYDOWN)", "DispatchMessageA(KEYDOWN, 32, 1)",
                                                       "DefWindowProcA(ptr, KEYDOWN, 32, 1)"}));
    const fake::MessageCallCounts& counts = fake::MessageCalls();
    EXPECT_EQ(counts.peek, 2);
    EXPECT_EQ(counts.get, 1);
    EXPECT_EQ(counts.translate, 1);
    EXPECT_EQ(counts.dispatch, 1);
}

TEST_F(FakeWindowTest, TestInputIsNotRecordedAsTheGamesCalls)
{
    MakeWindow();
    fake::ClearCalls();
    fake::PostQuit(5);
    fake::CloseWindow();
    EXPECT_TRUE(fake::Calls().empty());
    MSG msg = {};
    EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.message, UINT(WM_CLOSE));
}

}  // namespace
