// The title scene on the stand-ins: the logo's slide-in and the caption's blink frame by
// frame, Enter read as the key's state and taken once after the frame is presented, and
// the drawing skipped piece by piece when the scene, the sprite or the sheet fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "fake/fake_win32.h"
#include "scene_fixture.h"

namespace {

const std::string kClear = "Clear(0, null, TARGET|ZBUFFER, 0xFF000000, 1, 0)";
const std::string kPresent = "Present(null, null, null, null)";
const std::string kCaptionDraw =
    "Sprite.Draw(Title, {0, 702, 280, 747}, {1, 1}, {0, 0}, 0, {180, 220}, 0xFFFFFFFF)";

const char kCellA[] = "{0, 612, 319, 700}";
const char kCellB[] = "{322, 612, 540, 700}";

std::string LogoDraw(const char* cell, const D3DXVECTOR2& at)
{
    return fake::Call("Sprite.Draw", fake::Label{"Title"}, fake::Label{cell}, fake::Label{"{1.3, 1.3}"},
                      fake::Label{"{0, 0}"}, 0, fake::Fields(at.x, at.y), fake::Hex{0xFFFFFFFF});
}

// What one title frame showed: where each logo part was drawn and whether the caption was.
struct Shown {
    D3DXVECTOR2 logoA, logoB;
    bool caption;
};

class TitleTest : public SceneFixture {
protected:
    // The title's entry, with the record cleared after it.
    void StartTitle()
    {
        EnterTitle();
        tunes_.Keep();
        fake::ClearCalls();
    }

    // Runs the title from its entry for this many frames; shown[f] is frame f, from 1.
    std::vector<Shown> RunTitle(int frames)
    {
        StartTitle();
        std::vector<Shown> shown(1);
        for (int frame = 1; frame <= frames; ++frame) {
            fake::ClearCalls();
            // A frame draws where the frame before left the parts.
            Shown s = {g_logoPosA, g_logoPosB, false};
            g_sceneFunc();
            const std::vector<std::string> draws = SpriteDraws();
            s.caption = std::count(draws.begin(), draws.end(), kCaptionDraw) == 1;
            // The first frame places the parts itself; its whole numbers print exactly.
            if (frame == 1) {
                const bool atStart = std::count(draws.begin(), draws.end(), LogoDraw(kCellA, {740, -100})) == 3 &&
                                     std::count(draws.begin(), draws.end(), LogoDraw(kCellB, {-100, 580})) == 3;
                s.logoA = atStart ? D3DXVECTOR2(740, -100) : D3DXVECTOR2(NAN, NAN);
                s.logoB = atStart ? D3DXVECTOR2(-100, 580) : D3DXVECTOR2(NAN, NAN);
            }
            shown.push_back(s);
        }
        return shown;
    }
};

}  // namespace

TEST_F(TitleTest, EntryStartsTheTitleTuneAndStoresTheFrame)
{
    EnterTitle();
    tunes_.Keep();
    EXPECT_EQ(g_sceneFunc, TitleFrame);
    EXPECT_EQ(fake::CallsStartingWith("Loader.LoadObjectFromFile").size(), 1u);
    EXPECT_NE(fake::CallsStartingWith("Loader.LoadObjectFromFile")[0].find("title.mid"), std::string::npos);
    EXPECT_TRUE(fake::CallsStartingWith("Performance.StopEx").empty());
    EXPECT_EQ(fake::CallsStartingWith("Segment.SetRepeats").size(), 1u);
    EXPECT_TRUE(fake::CallsStartingWith("Present").empty());
}

TEST_F(TitleTest, OneFrameInOrder)
{
    StartTitle();
    TitleFrame();
    const D3DXVECTOR2 a(740, -100), b(-100, 580);
    const std::vector<std::string> expected = {
        kClear,
        "BeginScene()",
        "Sprite.Begin()",
        "Sprite.Draw(Title, {0, 0, 640, 480}, {1, 1}, {0, 0}, 0, {0, 0}, 0xFFFFFFFF)",
        "SetRenderState(SRCBLEND, SRCALPHA)",
        "SetRenderState(DESTBLEND, DESTALPHA)",
        LogoDraw(kCellA, a),
        LogoDraw(kCellB, b),
        LogoDraw(kCellA, a),
        LogoDraw(kCellB, b),
        LogoDraw(kCellA, a),
        LogoDraw(kCellB, b),
        "SetRenderState(SRCBLEND, SRCALPHA)",
        "SetRenderState(DESTBLEND, INVSRCALPHA)",
        "Sprite.End()",
        "EndScene()",
        kPresent,
    };
    EXPECT_EQ(fake::Calls(), expected);
}

// Frames counted from 1. Part A arrives by the clamp in frame 70, part B in frame 71;
// the caption flips on in frame 100, shows from 101 for 31 frames, then hides for 31.
TEST_F(TitleTest, LogoSlidesInAndCaptionBlinksByFrame)
{
    const std::vector<Shown> shown = RunTitle(200);
    struct Row {
        int frame;
        float ax, ay, bx, by;  // where the frame draws the parts, to 0.001
    };
    const Row rows[] = {
        {1, 740, -100, -100, 580},
        {2, 732.614286f, -97.785714f, -97.714286f, 576.885714f},
        {70, 230.385f, 52.786f, 57.714f, 365.115f},
        {71, 223, 55, 60, 362},
        {72, 223, 55, 60, 362},
        {200, 223, 55, 60, 362},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.frame);
        const Shown& s = shown[size_t(row.frame)];
        EXPECT_NEAR(s.logoA.x, row.ax, 1e-3f);
        EXPECT_NEAR(s.logoA.y, row.ay, 1e-3f);
        EXPECT_NEAR(s.logoB.x, row.bx, 1e-3f);
        EXPECT_NEAR(s.logoB.y, row.by, 1e-3f);
    }
    for (int frame = 1; frame <= 200; ++frame) {
        SCOPED_TRACE(frame);
        const Shown& s = shown[size_t(frame)];
        // Exactly at the end only once clamped: after 70 steps part B is still short of
        // both its end values.
        EXPECT_EQ(s.logoA == D3DXVECTOR2(223, 55), frame >= 71);
        EXPECT_EQ(s.logoB == D3DXVECTOR2(60, 362), frame >= 72);
        EXPECT_EQ(s.caption, frame >= 101 && (frame - 101) % 62 < 31);
    }
}

TEST_F(TitleTest, EnterHeldFromTheFirstFrameStartsTheGameOnceAfterThePresent)
{
    StartTitle();
    fake::PressKey(VK_RETURN);
    TitleFrame();
    EXPECT_EQ(g_sceneFunc, StartGame);
    const std::vector<std::string>& calls = fake::Calls();
    const std::vector<std::string> tail(calls.end() - 3, calls.end());
    EXPECT_EQ(tail,
              (std::vector<std::string>{kPresent, "SoundBuffer.GetStatus(enter)", "SoundBuffer.Play(enter, 0, 0, 0)"}));

    // Held on: the press was taken, so no second sound and no second start.
    g_sceneFunc = TitleFrame;
    for (int frame = 0; frame < 30; ++frame) TitleFrame();
    EXPECT_EQ(fake::CallsStartingWith("SoundBuffer.Play").size(), 1u);
    EXPECT_EQ(g_sceneFunc, TitleFrame);

    // The game start takes one scene call of its own and hands over to the loading.
    g_sceneFunc = StartGame;
    fake::ClearCalls();
    g_sceneFunc();
    EXPECT_EQ(g_sceneFunc, LoadStage);
    EXPECT_TRUE(fake::Calls().empty());
}

TEST_F(TitleTest, EnterPressedWhileTheFrameIsPresentedCountsInThatFrame)
{
    StartTitle();
    fake::SetPresentHook([](int frame) {
        if (frame == 4) fake::PressKey(VK_RETURN);  // the fifth frame, long before the logo arrives
    });
    for (int frame = 1; frame <= 5; ++frame) {
        EXPECT_EQ(g_sceneFunc, TitleFrame) << frame;
        g_sceneFunc();
    }
    EXPECT_EQ(g_sceneFunc, StartGame);
    EXPECT_EQ(fake::Frame(), 5);
    EXPECT_EQ(g_titleFlags & 0x01, 0);
    EXPECT_EQ(fake::CallsStartingWith("SoundBuffer.Play").size(), 1u);
}

TEST_F(TitleTest, APressAlreadyOverDoesNotStartTheGame)
{
    StartTitle();
    fake::TapKey(VK_RETURN);  // down and up again before the frame looks
    TitleFrame();
    EXPECT_EQ(g_sceneFunc, TitleFrame);
    EXPECT_EQ(g_enterLatch, 0);
}

TEST_F(TitleTest, EnterWithoutTheEnterSoundStartsTheGameSilently)
{
    g_sndEnter->Release();
    g_sndEnter = nullptr;
    StartTitle();
    fake::PressKey(VK_RETURN);
    TitleFrame();
    EXPECT_EQ(g_sceneFunc, StartGame);
    EXPECT_TRUE(fake::CallsStartingWith("SoundBuffer").empty());
}

TEST_F(TitleTest, FailedSceneBeginsDrawNothingButTheLogoStillArrivesOnTime)
{
    for (int frame = 0; frame < 200; ++frame) fake::FailBeginScene({frame});
    StartTitle();
    struct Expected {
        bool logoAArrived, logoBArrived;
        uint8_t blinkFlag;  // as the frame leaves it; the next frame shows it
    };
    const std::pair<int, Expected> checks[] = {
        {69, {false, false, 0}}, {70, {true, false, 0}}, {71, {true, true, 0}},   {99, {true, true, 0}},
        {100, {true, true, 1}},  {130, {true, true, 1}}, {131, {true, true, 0}}, {161, {true, true, 0}},
        {162, {true, true, 1}},
    };
    const std::pair<int, Expected>* next = checks;
    for (int frame = 1; frame <= 200; ++frame) {
        g_sceneFunc();
        if (next == std::end(checks) || next->first != frame) continue;
        SCOPED_TRACE(frame);
        EXPECT_EQ(g_titleFlags & 0x01, next->second.logoAArrived ? 0x01 : 0);
        EXPECT_EQ(g_logoPosA == D3DXVECTOR2(223, 55), next->second.logoAArrived);
        EXPECT_EQ(g_logoPosB == D3DXVECTOR2(60, 362), next->second.logoBArrived);
        EXPECT_EQ(g_blinkFlag, next->second.blinkFlag);
        ++next;
    }
    EXPECT_EQ(next, std::end(checks));
    EXPECT_EQ(fake::Frame(), 200);
    EXPECT_TRUE(fake::CallsStartingWith("Sprite").empty());
    EXPECT_TRUE(fake::CallsStartingWith("EndScene").empty());
}

TEST_F(TitleTest, FailedSpriteBeginSkipsTheSpritesAndTheirEndButEndsTheScene)
{
    StartTitle();
    fake::FailSpriteBegin({0});
    TitleFrame();
    EXPECT_EQ(fake::Calls(),
              (std::vector<std::string>{kClear, "BeginScene()", "Sprite.Begin()", "EndScene()", kPresent}));
}

TEST_F(TitleTest, NoSpriteActsAsAFailedBeginAndNoSheetSkipsEveryDraw)
{
    StartTitle();
    g_sprite->Release();
    g_sprite = nullptr;
    fake::ClearCalls();
    TitleFrame();
    EXPECT_EQ(fake::Calls(), (std::vector<std::string>{kClear, "BeginScene()", "EndScene()", kPresent}));

    ASSERT_EQ(D3DXCreateSprite(g_device, &g_sprite), D3D_OK);
    g_texTitle->Release();
    g_texTitle = nullptr;
    fake::ClearCalls();
    TitleFrame();
    EXPECT_TRUE(SpriteDraws().empty());
    EXPECT_EQ(fake::CallsStartingWith("SetRenderState").size(), 4u);
    EXPECT_EQ(fake::CallsStartingWith("Sprite.End").size(), 1u);
}
