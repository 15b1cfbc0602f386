// The ending on the stand-ins: the entry's set-up, the craft's turn and alpha period and
// the staff roll's timing, frame by frame as EndingFrame runs them, and its failures.
#include <algorithm>
#include <cstdio>

#include "audio/music.h"
#include "core/scene.h"
#include "fake/fake_sprite.h"
#include "game/ending.h"
#include "game/overlay_fixture.h"
#include "game/staff_roll.h"

namespace {

// One frame's staff-roll draw as the record shows it.
struct LineDraw {
    int line = -1;  // -1: nothing drawn
    float x = 0, y = 0;
    unsigned alpha = 0;
};

class EndingTest : public OverlayFixture {
protected:
    void SetUp() override
    {
        OverlayFixture::SetUp();
        // The ending state as the program starts.
        std::fill(std::begin(g_staffLinePos), std::end(g_staffLinePos), D3DXVECTOR2(0, 0));
        g_staffLineIndex = 0;
        g_staffLineHold = 0;
        g_staffLineAlpha = 0.0f;
        g_endingAlphaStep = 0.002f;
        g_sceneFunc = nullptr;
    }

    void TearDown() override
    {
        Release(g_musicSegment);
        Release(g_musicPerformance);
        Release(g_musicLoader);
        g_sceneFunc = nullptr;
        OverlayFixture::TearDown();
    }

    // Runs one ending frame; what its staff roll drew.
    static LineDraw Frame()
    {
        fake::ClearCalls();
        EndingFrame();
        LineDraw draw;
        for (const std::string& call : fake::CallsStartingWith("Sprite.Draw(")) {
            int top = 0;
            EXPECT_EQ(std::sscanf(call.c_str(), "Sprite.Draw(Ending, {0, %d, 300, %*d}, {1, 1}, {0, 0}, 0, {%f, %f}, 0x%X)",
                                  &top, &draw.x, &draw.y, &draw.alpha),
                      4)
                << call;
            draw.line = top / 150;
            draw.alpha >>= 24;
        }
        return draw;
    }
};

TEST_F(EndingTest, EntryPlacesTheCraftAndTheLinesAndStartsTheTune)
{
    ASSERT_EQ(PlayMidi("stage01.mid", 0, 1), S_OK);
    IUnknown* const stageTune[] = {g_musicLoader, g_musicPerformance, g_musicSegment};
    GameObject& craft = g_world.player;
    craft.pos = D3DXVECTOR3(3, 4, 15);
    craft.rot = D3DXVECTOR3(200, 100, 5);
    craft.colour[0] = 0.25f;
    craft.colour[3] = 0.9f;
    craft.state = 0;
    craft.life = 1.0f;
    fake::ClearCalls();

    EnterEnding();

    EXPECT_EQ(craft.pos, D3DXVECTOR3(0, -9, -18));
    EXPECT_EQ(craft.rot, D3DXVECTOR3(-90, 0, 0));
    EXPECT_EQ(craft.colour[3], 0.0f);
    EXPECT_EQ(craft.colour[0], 0.25f) << "the craft keeps its colour";
    EXPECT_EQ(craft.state, 0);
    EXPECT_EQ(craft.life, 1.0f);
    const D3DXVECTOR2 starts[6] = {{170, 165}, {200, 100}, {400, 240}, {50, 300}, {100, 200}, {170, 165}};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(g_staffLinePos[i], starts[i]) << "line " << i;
    EXPECT_EQ(g_sceneFunc, EndingFrame);

    const std::vector<std::string>& calls = fake::Calls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[0], "Sleep(1)");
    EXPECT_EQ(calls[1], "Performance.StopEx(performance1, segment1, 0, 0x0)") << "the stage's tune stops";
    EXPECT_EQ(fake::CallsStartingWith("Loader.LoadObjectFromFile").back(),
              "Loader.LoadObjectFromFile(loader2, DirectMusicSegment, IDirectMusicSegment8, \"ending.mid\")");
    EXPECT_EQ(fake::CallsStartingWith("Segment.SetRepeats").size(), 1u) << "the tune repeats";
    EXPECT_TRUE(fake::CallsStartingWith("Present").empty()) << "the entry shows no frame";
    for (IUnknown* object : stageTune) object->Release();
}

// The craft turns 1 and 0.5 degrees a frame and its alpha swells and fades in 1002 frames.
TEST_F(EndingTest, CraftPulsesWithAPeriodOf1002Frames)
{
    EnterEnding();
    const float& alpha = g_world.player.colour[3];
    std::vector<int> opaque, clear;
    for (int frame = 1; frame <= 3100; ++frame) {
        Frame();
        if (frame == 1) {
            EXPECT_EQ(alpha, 0.002f);
        }
        if (alpha == 1.0f) opaque.push_back(frame);
        if (alpha == 0.0f) clear.push_back(frame);
    }
    EXPECT_EQ(opaque, (std::vector<int>{501, 1503, 2505}));
    EXPECT_EQ(clear, (std::vector<int>{1002, 2004, 3006}));
    EXPECT_EQ(g_world.player.rot, D3DXVECTOR3(-90 + 3100, 3100 * 0.5f, 0));
}

// Each line fades in over 256 frames, rests 151, then slides 2 pixels a frame until its
// y passes 640; the sixth stays at the first line's place.
TEST_F(EndingTest, StaffLinesStartInTheirFramesAndTheLastStays)
{
    EnterEnding();
    std::vector<LineDraw> draws(1);  // counted from frame 1
    for (int frame = 1; frame <= 4000; ++frame) draws.push_back(Frame());

    std::vector<int> starts;
    for (int frame = 1; frame <= 4000; ++frame)
        if (draws[frame].line != draws[frame - 1].line) starts.push_back(frame);
    EXPECT_EQ(starts, (std::vector<int>{1, 644, 1320, 1926, 2502, 3128}));

    const auto expect = [&](int frame, int line, float x, float y, unsigned alpha) {
        const LineDraw& d = draws[frame];
        EXPECT_EQ(d.line, line) << "frame " << frame;
        EXPECT_EQ(d.x, x) << "frame " << frame;
        EXPECT_EQ(d.y, y) << "frame " << frame;
        EXPECT_EQ(d.alpha, alpha) << "frame " << frame;
    };
    expect(1, 0, 170, 165, 0);
    expect(255, 0, 170, 165, 254);
    expect(256, 0, 170, 165, 255);
    expect(406, 0, 170, 165, 255);  // the hold passes 150 here, after the draw
    expect(407, 0, 170, 167, 255);
    expect(643, 0, 170, 639, 255);
    expect(644, 1, 200, 100, 0);
    expect(3128, 5, 170, 165, 0);
    expect(3382, 5, 170, 165, 254);
    expect(3383, 5, 170, 165, 255);
    expect(4000, 5, 170, 165, 255);
    EXPECT_EQ(g_staffLineHold, 4000u - 3382u) << "the last line's hold counts on";
}

TEST_F(EndingTest, FrameDrawsTheLineGlowingAndGivesTheStandingBlendBack)
{
    EnterEnding();
    fake::ClearCalls();
    EndingFrame();
    std::vector<std::string> frame;
    for (const std::string& call : fake::Calls())
        for (const char* prefix : {"Clear(", "BeginScene", "SetTransform(", "Sprite.", "SetRenderState(", "EndScene",
                                   "Present("})
            if (call.rfind(prefix, 0) == 0) frame.push_back(call);
    ASSERT_GE(frame.size(), 2u);
    EXPECT_EQ(frame[0], "Clear(0, null, TARGET|ZBUFFER, 0xFF000000, 1, 0)");
    EXPECT_EQ(frame[1], "BeginScene()");
    const std::vector<std::string> tail(std::find(frame.begin(), frame.end(), "Sprite.Begin()"), frame.end());
    EXPECT_EQ(tail, (std::vector<std::string>{
                        "Sprite.Begin()",
                        "SetRenderState(SRCBLEND, SRCALPHA)",
                        "SetRenderState(DESTBLEND, DESTALPHA)",
                        "Sprite.Draw(Ending, {0, 0, 300, 150}, {1, 1}, {0, 0}, 0, {170, 165}, 0xFFFFFF)",
                        "SetRenderState(SRCBLEND, SRCALPHA)",
                        "SetRenderState(DESTBLEND, INVSRCALPHA)",
                        "Sprite.End()",
                        "EndScene()",
                        "Present(null, null, null, null)",
                    }));
    EXPECT_FALSE(fake::CallsStartingWith("SetTransform(").empty()) << "the craft is drawn";
}

// A failed scene begin stands everything still but presents; a failed sprite begin, or no
// sprite at all, freezes the staff roll alone.
TEST_F(EndingTest, FailuresFreezeWhatTheySkip)
{
    EnterEnding();
    fake::FailBeginScene({1});
    fake::FailSpriteBegin({2});
    const struct {
        const char* what;
        bool dropSprite;
        float rotX, lineAlpha;
        bool spriteEnded;
    } frames[] = {
        {"frame 0 runs", false, -89, 1, true},
        {"frame 1: scene begin fails", false, -89, 1, false},
        {"frame 2: sprite begin fails", false, -88, 1, false},
        {"frame 3 runs", false, -87, 2, true},
        {"frame 4: no sprite", true, -86, 2, false},
    };
    for (const auto& f : frames) {
        if (f.dropSprite) Release(g_sprite);
        fake::ClearCalls();
        EndingFrame();
        EXPECT_EQ(g_world.player.rot.x, f.rotX) << f.what;
        EXPECT_EQ(g_staffLineAlpha, f.lineAlpha) << f.what;
        EXPECT_EQ(fake::CallsStartingWith("Sprite.End").size(), f.spriteEnded ? 1u : 0u) << f.what;
        EXPECT_EQ(fake::CallsStartingWith("Present(").size(), 1u) << f.what;
    }
}

// With endscr.bmp missing the craft still turns and the roll still runs its timing.
TEST_F(EndingTest, MissingSheetSkipsTheDrawOnly)
{
    Release(g_texEnding);
    EnterEnding();
    for (int frame = 1; frame <= 644; ++frame) EXPECT_EQ(Frame().line, -1) << frame;
    EXPECT_EQ(g_staffLineIndex, 1);
    EXPECT_EQ(g_world.player.rot.x, -90 + 644);
}

}  // namespace
