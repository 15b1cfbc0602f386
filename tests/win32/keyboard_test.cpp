// GetAsyncKeyState's two bits and the key messages, on the window-system stand-in.
#include "window_fixture.h"

namespace {

bool Down(int key) { return (GetAsyncKeyState(key) & 0x8000) != 0; }

using KeyboardTest = WindowTest;

TEST_F(KeyboardTest, DownBitFollowsTheKeyAndPressBitLastsUntilTheNextQuery)
{
    EXPECT_EQ(GetAsyncKeyState('Z'), 0);
    fake::PressKey('Z');
    EXPECT_EQ(GetAsyncKeyState('Z') & 0xFFFF, 0x8001);
    EXPECT_EQ(GetAsyncKeyState('Z') & 0xFFFF, 0x8000);  // the query took the press bit
    fake::ReleaseKey('Z');
    EXPECT_EQ(GetAsyncKeyState('Z'), 0);
}

TEST_F(KeyboardTest, TapBetweenQueriesLeavesOnlyThePressBit)
{
    fake::TapKey(VK_LEFT);
    EXPECT_EQ(GetAsyncKeyState(VK_LEFT), 1);
    EXPECT_EQ(GetAsyncKeyState(VK_LEFT), 0);
}

TEST_F(KeyboardTest, AutoRepeatKeepsTheKeyDownWithoutANewPress)
{
    fake::PressKey(VK_RIGHT);
    EXPECT_TRUE(Down(VK_RIGHT));
    fake::WindowSystem().KeyDown(VK_RIGHT, true);
    EXPECT_EQ(GetAsyncKeyState(VK_RIGHT) & 0xFFFF, 0x8000);
}

TEST_F(KeyboardTest, KeyMessagesReachTheFocusedWindowWithVirtualKeyCodes)
{
    fake::PressKey(VK_ESCAPE);
    fake::TapKey('Z');
    DispatchWaiting();
    ASSERT_EQ(Seen().size(), 3u);
    EXPECT_EQ(Seen()[0].message, 0x100u);  // WM_KEYDOWN
    EXPECT_EQ(Seen()[0].wParam, 0x1Bu);    // VK_ESCAPE
    EXPECT_EQ(Seen()[1].message, 0x100u);
    EXPECT_EQ(Seen()[1].wParam, WPARAM('Z'));
    EXPECT_EQ(Seen()[2].message, 0x101u);  // WM_KEYUP
}

TEST_F(KeyboardTest, WithoutFocusTheKeyTableStillChangesButNoMessageIsQueued)
{
    SetFocus(nullptr);
    fake::PressKey(VK_SPACE);
    EXPECT_TRUE(Down(VK_SPACE));
    EXPECT_EQ(fake::WindowSystem().QueuedMessages(), 0u);
}

}  // namespace
