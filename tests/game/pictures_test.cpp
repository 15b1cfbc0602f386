// Whole pictures of fixed frames of every scene, drawn by the game's own procedures through
// the real OpenGL device with the real DATA, compared pixel by pixel with the pictures
// recorded in tests/pictures. Work on the speed of drawing must leave them as they are.
//
// One game runs through the table in order, from the title to the ending; each row brings
// it to its frame the same way every time (the game has no randomness) and checks that the
// frame shows what the row names, so that a row cannot drift into showing something else.
//
// A channel may differ by one step of 255: the rasteriser rounds blends and filtering to
// eight bits, and the same sum done in another order (blending switched off where alpha is
// one, another framebuffer format) can land on the neighbouring value. A pixel any further
// off is a different picture. A failing row saves what it drew and where it differs under
// build/screens.
//
// Re-record after a change to what the game shows (new data, say): scripts/record-pictures.
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <vector>

#include "core/scene.h"
#include "fake/fake_win32.h"
#include "file_bytes.h"
#include "game/boss.h"
#include "game/ending.h"
#include "game/energy.h"
#include "game/loading_screen.h"
#include "game/player_control.h"
#include "game/stage.h"
#include "game/stage_warning.h"
#include "game/title.h"
#include "game_screens_fixture.h"
#include "graphics/effects.h"
#include "image.h"
#include "support/screens.h"

namespace {

constexpr int kTolerance = 1;  // steps of 255 per channel

std::filesystem::path ReferencePath(const char* name)
{
    return std::filesystem::path(VELTRANE_SOURCE_DIR) / "tests" / "pictures" / (std::string(name) + ".png");
}

bool Recording()
{
    const char* record = std::getenv("VELTRANE_RECORD_PICTURES");
    return record && *record && *record != '0';
}

// Black where the two agree within the tolerance, the actual pixel elsewhere.
struct Comparison {
    int beyond = 0;
    int largest = 0;
    d3d9::Picture differences;
};

Comparison Compare(const d3d9::Picture& actual, const d3d9::Picture& expected)
{
    Comparison result;
    result.differences = actual;
    for (size_t i = 0; i < actual.pixels.size(); ++i) {
        const int largest = render_test::LargestChannelDifference(actual.pixels[i], expected.pixels[i]);
        result.largest = std::max(result.largest, largest);
        if (largest > kTolerance)
            ++result.beyond;
        else
            result.differences.pixels[i] = 0xFF000000;
    }
    return result;
}

bool LoadReference(const std::filesystem::path& path, d3d9::Picture* picture)
{
    std::vector<uint8_t> bytes;
    d3dx9::Image image;
    if (!d3dx9::ReadWholeFile(path.string().c_str(), size_t(16) << 20, bytes) ||
        !d3dx9::DecodePng(bytes.data(), bytes.size(), image))
        return false;
    picture->width = image.width;
    picture->height = image.height;
    picture->pixels = std::move(image.pixels);
    return true;
}

bool Bursting()
{
    for (int32_t active : g_explosionActive)
        if (active) return true;
    return false;
}

class Pictures : public GameScreensTest {
protected:
    // Records the frame as the reference, or compares it with the recorded one.
    void Check(const char* name)
    {
        const d3d9::Picture actual = Shot();
        const std::filesystem::path reference = ReferencePath(name);
        if (Recording()) {
            EXPECT_TRUE(d3d9::SavePng(reference.string(), actual)) << reference;
            return;
        }
        d3d9::Picture expected;
        ASSERT_TRUE(LoadReference(reference, &expected)) << reference << ": record it with scripts/record-pictures";
        ASSERT_EQ(actual.width, expected.width) << name;
        ASSERT_EQ(actual.height, expected.height) << name;
        const Comparison comparison = Compare(actual, expected);
        if (comparison.beyond > 0) {
            d3d9::SavePng(ScreenshotPath((std::string(name) + ".png").c_str()), actual);
            d3d9::SavePng(ScreenshotPath((std::string(name) + "-differences.png").c_str()), comparison.differences);
        }
        EXPECT_EQ(comparison.beyond, 0) << name << ": pixels off by more than " << kTolerance
                                        << "; the largest difference is " << comparison.largest;
    }
};

struct Frame {
    const char* name;
    std::function<void()> reach;  // plays on from the row before, asserting what it shows
};

}  // namespace

TEST_F(Pictures, EveryScenesFixedFramesMatchTheRecordedOnes)
{
    const Frame frames[] = {
        {"title_sliding", [] {
             g_sceneFunc = EnterTitle;
             Play(41);
         }},
        {"title_caption", [] {
             Play(61);
             ASSERT_EQ(g_blinkFlag, 1);
         }},
        {"loading_half", [] { DrawLoadingScreen(196, 196); }},
        // Enter, the real loading into the stage, the fire held until three enemies are
        // in, then missiles paid for.
        {"stage_enemies_shots_missiles", [] {
             fake::PressKey(VK_RETURN);
             PlayUntil([] { return g_sceneFunc == StageFrame; }, 10);
             fake::ReleaseKey(VK_RETURN);
             ASSERT_EQ(g_sceneFunc, StageFrame);
             ASSERT_NO_FATAL_FAILURE(FireUntilThreeEnemiesThenLaunchMissiles());
             ASSERT_GE(Active(g_world.enemies, 381), 3);
             ASSERT_GT(Active(g_world.missiles, 11), 0);
             ASSERT_GT(Active(g_world.playerShots, 15), 0);
         }},
        {"stage_explosion", [] {
             // The craft kept whole meanwhile, for the rows after.
             PlayUntil([] { return g_world.player.life = 87.0f, Bursting(); }, 3000);
             Play(3);
             ASSERT_TRUE(Bursting());
             ASSERT_EQ(g_world.player.state, 1);
         }},
        {"stage_laser_hud", [] {
             fake::ReleaseKey('Z');
             PlayUntil([] { return g_missilePhase == 0; }, 600);  // the craft back from its missile run
             g_energy = g_displayedEnergy = 1500;
             fake::PressKey('C');
             Play(40);
             fake::ReleaseKey('C');
             ASSERT_EQ(g_laserActive, 1);
         }},
        {"stage_warning", [] {
             g_world.player.timer = 5500.0f;
             Play(85);
             ASSERT_EQ(g_warningAlpha, 255);
         }},
        {"boss_rising", [] {
             g_world.player.timer = 5700.0f;
             Play(302);
             ASSERT_EQ(g_sceneFunc, BossFrame);
             ASSERT_EQ(g_bossPhase, 0);
         }},
        {"boss_fight", [] {
             StartTheFightFiring();
             Play(60);
             fake::ReleaseKey('Z');
             ASSERT_EQ(g_sceneFunc, BossFrame);
         }},
        {"ending", [] {
             g_sceneFunc = EnterEnding;
             Play(401);
             ASSERT_EQ(g_sceneFunc, EndingFrame);
         }},
    };
    for (const Frame& frame : frames) {
        SCOPED_TRACE(frame.name);
        frame.reach();
        if (HasFatalFailure()) return;
        Check(frame.name);
    }
}
