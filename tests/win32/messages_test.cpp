// The message queue, the quit message and closing a window, on the window-system stand-in.
#include "window_fixture.h"

namespace {

constexpr UINT kUserMessage = 0x0400;

using MessagesTest = WindowTest;

TEST_F(MessagesTest, PeekWithoutRemoveLeavesTheMessageForGet)
{
    fake::PostMessage(kUserMessage, 7);
    MSG msg = {};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, kUserMessage);
    msg = {};
    EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.message, kUserMessage);
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_EQ(msg.hwnd, window_);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
}

TEST_F(MessagesTest, QuitComesAfterTheQueuedMessagesWithItsExitCode)
{
    fake::PostMessage(kUserMessage, 1);
    PostQuitMessage(3);
    fake::PostMessage(kUserMessage, 2);
    MSG msg = {};
    EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.wParam, 1u);
    EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.wParam, 2u);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, UINT(WM_QUIT));
    EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), 0);
    EXPECT_EQ(msg.message, UINT(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
    // Taken once: the queue is empty again, and with nothing able to arrive Get reports an error.
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), -1);
}

TEST_F(MessagesTest, ClosingTheWindowSendsCloseThenDestroyThroughTheDefaultProcedure)
{
    fake::CloseWindow();
    DispatchWaiting();
    ASSERT_EQ(Seen().size(), 2u);
    EXPECT_EQ(Seen()[0].message, 0x0010u);  // WM_CLOSE
    EXPECT_EQ(Seen()[1].message, 0x0002u);  // WM_DESTROY
    EXPECT_FALSE(fake::WindowSystem().IsWindow(window_));
    EXPECT_EQ(fake::WindowSystem().Focus(), nullptr);
    EXPECT_EQ(fake::CallsStartingWith("DefWindowProcA("),
              (std::vector<std::string>{"DefWindowProcA(ptr, CLOSE, 0, 0)", "DefWindowProcA(ptr, DESTROY, 0, 0)"}));
}

}  // namespace
