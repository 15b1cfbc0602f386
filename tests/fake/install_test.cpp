// fake::Install and Uninstall: every stand-in in place, scripts and record forgotten.
#include <gtest/gtest.h>

#include "d3dx9.h"
#include "fake/call_log.h"
#include "fake/fake.h"
#include "fake/fake_d3d9.h"
#include "fake/fake_win32.h"

namespace {

int g_installs = 0;
int g_uninstalls = 0;
void CountInstall() { ++g_installs; }
void CountUninstall() { ++g_uninstalls; }
[[maybe_unused]] const bool kJoined = fake::AddStandIn({"counting", CountInstall, CountUninstall});

TEST(FakeInstall, PutsEveryStandInInPlaceAndTakesThemAway)
{
    const int installs = g_installs;
    const int uninstalls = g_uninstalls;
    fake::Install();
    EXPECT_EQ(g_installs, installs + 1);
    EXPECT_TRUE(win32::Installed());
    IDirect3D9* d3d = Direct3DCreate9(D3D_SDK_VERSION);
    ASSERT_NE(d3d, nullptr);
    d3d->Release();
    fake::Uninstall();
    EXPECT_EQ(g_uninstalls, uninstalls + 1);
    EXPECT_FALSE(win32::Installed());
    EXPECT_EQ(Direct3DCreate9(D3D_SDK_VERSION), nullptr);
    EXPECT_FALSE(fake::Calls().empty());  // still readable after Uninstall
}

TEST(FakeInstall, ForgetsTheRecordAndEveryScript)
{
    {
        fake::Installed installed;
        fake::Record("Leftover()");
        fake::FailDirect3DCreate();
        fake::AnswerMessageBoxes({IDYES});
    }
    fake::Installed installed;
    EXPECT_TRUE(fake::Calls().empty());
    EXPECT_EQ(MessageBoxA(nullptr, "full screen?", "", MB_YESNO), IDNO);
    IDirect3D9* d3d = Direct3DCreate9(D3D_SDK_VERSION);
    ASSERT_NE(d3d, nullptr);
    d3d->Release();
    EXPECT_EQ(fake::Frame(), 0);
}

}  // namespace
