// The loading screen on the stand-ins: one whole frame per call, the caption, both frames
// and both fills at their places, and what a failed scene or sprite begin leaves out.
#include <gtest/gtest.h>

#include "game/loading_screen.h"
#include "scene_fixture.h"

namespace {

const std::string kClear = "Clear(0, null, TARGET|ZBUFFER, 0xFF000000, 1, 0)";
const std::string kPresent = "Present(null, null, null, null)";
using LoadingScreenTest = SceneFixture;

std::vector<std::string> Frame(int barA, int barB)
{
    return {
        kClear,
        "BeginScene()",
        "Sprite.Begin()",
        "Sprite.Draw(Title, {0, 748, 310, 798}, {1, 1}, {0, 0}, 0, {330, 430}, 0xFFFFFFFF)",
        "Sprite.Draw(Title, {0, 800, 408, 815}, {1, 1}, {0, 0}, 0, {80, 200}, 0xFFFFFFFF)",
        "Sprite.Draw(Title, {0, 800, 408, 815}, {1, 1}, {0, 0}, 0, {80, 210}, 0xFFFFFFFF)",
        fake::Call("Sprite.Draw", fake::Label{"Title"}, fake::Fields(0, 816, barA, 820), fake::Label{"{1, 1}"},
                   fake::Label{"{0, 0}"}, 0, fake::Label{"{88, 206}"}, fake::Hex{0xFFFFFFFF}),
        fake::Call("Sprite.Draw", fake::Label{"Title"}, fake::Fields(0, 820, barB, 824), fake::Label{"{1, 1}"},
                   fake::Label{"{0, 0}"}, 0, fake::Label{"{88, 216}"}, fake::Hex{0xFFFFFFFF}),
        "Sprite.End()",
        "EndScene()",
        kPresent,
    };
}

}  // namespace

TEST_F(LoadingScreenTest, EmptyAndFullBars)
{
    for (const int bar : {0, 392}) {
        fake::ClearCalls();
        DrawLoadingScreen(bar, bar);
        EXPECT_EQ(fake::Calls(), Frame(bar, bar)) << bar;
    }
    // No render state: the standing blend draws it.
    EXPECT_EQ(fake::Device().RenderState(D3DRS_DESTBLEND), DWORD(D3DBLEND_ZERO));
}

TEST_F(LoadingScreenTest, FailedBeginsLeaveOutWhatTheyGuard)
{
    fake::FailBeginScene({0});
    fake::FailSpriteBegin({1});
    fake::FailPresent({1});
    DrawLoadingScreen(49, 392);
    DrawLoadingScreen(98, 26);
    const std::vector<std::string> calls = fake::Calls();
    ASSERT_EQ(calls.size(), 9u);
    EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + 3),
              (std::vector<std::string>{kClear, "BeginScene()", kPresent}));
    EXPECT_EQ(std::vector<std::string>(calls.begin() + 3, calls.begin() + 8),
              (std::vector<std::string>{kClear, "BeginScene()", "Sprite.Begin()", "EndScene()", kPresent}));
    EXPECT_EQ(calls[8].rfind("Reset(", 0), 0u);
}

TEST_F(LoadingScreenTest, NoSpriteOrNoSheetDrawsNothingAndStillPresents)
{
    g_texTitle->Release();
    g_texTitle = nullptr;
    fake::ClearCalls();
    DrawLoadingScreen(392, 392);
    EXPECT_EQ(fake::Calls(), (std::vector<std::string>{kClear, "BeginScene()", "Sprite.Begin()", "Sprite.End()",
                                                       "EndScene()", kPresent}));
    g_sprite->Release();
    g_sprite = nullptr;
    fake::ClearCalls();
    DrawLoadingScreen(392, 392);
    EXPECT_EQ(fake::Calls(), (std::vector<std::string>{kClear, "BeginScene()", "EndScene()", kPresent}));
}
