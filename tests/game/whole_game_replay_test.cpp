// One replay of the whole game, from the first title frame to the last staff line: Enter
// on the title, the loading, the stage flown with shots held and the craft reset now and
// then, missiles and a laser bought, the boss's rise and descent, G as the fight begins,
// the countdown, and the ending until its last line stands at full alpha.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/game_world.h"
#include "core/scene.h"
#include "game/boss.h"
#include "game/ending.h"
#include "game/stage.h"
#include "game/staff_roll.h"
#include "support/replay.h"

namespace {

// Frames are counted from the first title frame, 0 being the first; the replay looks at
// the game at each present, so what a frame does after its present (the boss's motion, the
// G and Space tests) shows from the next frame's present on.
const int kEnterDown = 45;
const int kFirstStageFrame = 525;
const int kStageFrames = 11401;  // the last of them takes the stage timer past 5700
const int kFirstBossFrame = kFirstStageFrame + kStageFrames;
const int kRiseFrames = 580;
const int kBossPhase2 = kRiseFrames + 525;  // the boss frame whose motion step starts the fight
const int kCountdownFrames = 751;           // from G in that same frame to the ending
const int kFirstEndingFrame = kFirstBossFrame + kBossPhase2 + kCountdownFrames;
const int kLastLineFrame = 3128;      // the first ending frame (from 1) to draw the last staff line
const int kLastLineFullFrame = 3383;  // and the first to draw it at full alpha

void Press(replay::Script& script, int frame, int key, int frames = 2)
{
    script.keys.push_back({frame, key, true});
    script.keys.push_back({frame + frames, key, false});
}

replay::Script WholeGame()
{
    replay::Script script;
    script.frames = kFirstEndingFrame + kLastLineFullFrame;
    script.checkpointEvery = 200;
    Press(script, kEnterDown, VK_RETURN, 5);
    script.keys.push_back({kFirstStageFrame + 10, 'Z', true});
    for (int frame = kFirstStageFrame + 60; frame < kFirstBossFrame - 60; frame += 60)
        Press(script, frame, VK_SPACE);
    // Missiles, then the laser, once the energy pays for each; a held Z keeps the fire
    // latch, so Z lets go around them.
    for (auto [frame, key] : {std::pair{kFirstStageFrame + 8030, 'X'}, std::pair{kFirstStageFrame + 11000, 'C'}}) {
        script.keys.push_back({frame, 'Z', false});
        Press(script, frame + 2, key);
        script.keys.push_back({frame + 10, 'Z', true});
    }
    script.keys.push_back({kFirstBossFrame - 1, 'Z', false});
    // G in the fight's first frame: its key test follows the motion step that starts the
    // fight, so no step of the fight moves the boss. Keys given for frame N are down from
    // the present of frame N - 1 on.
    script.keys.push_back({kFirstBossFrame + kBossPhase2, 'G', true});
    script.keys.push_back({kFirstBossFrame + kBossPhase2 + 5, 'G', false});
    return script;
}

// The first frame at whose present each holds.
struct Milestones {
    int firstStageFrame = -1;
    int firstBossFrame = -1;
    int riseEnded = -1;
    int firstEndingFrame = -1;
    int lastLineNext = -1;  // the staff roll has moved on to its last line
    int lastLineFull = -1;  // and brought its alpha to 255
};

const replay::Checkpoint kWholeGame[] = {
    {0, 0x0CB4E4E142BB3CFDu},   {200, 0x92C8ECCD0C55AADFu}, {400, 0x3A39398CBDA6A3A6u},
    {600, 0xA392F532F3DF46ACu}, {800, 0xB8E975292E533DF0u}, {1000, 0xB746B98411301D50u},
    {1200, 0xF0E33676490CA8FEu}, {1400, 0x1CAD68DE9CBD92EDu}, {1600, 0xCDF1CC71497F9F50u},
    {1800, 0x40FB905F19A2C53Cu}, {2000, 0x79FEE332ABC4D346u}, {2200, 0x2E1B5B9CA07C3AA4u},
    {2400, 0xD8E1A1DDC1FBDF33u}, {2600, 0xE8011B2D732F4257u}, {2800, 0xF80499B374501336u},
    {3000, 0x4F8A6608C9BE5BA9u}, {3200, 0x0CB0D55F69966D42u}, {3400, 0x7A0ED46940B008A8u},
    {3600, 0xAF7388B3D123B88Eu}, {3800, 0x801914EAC8626D63u}, {4000, 0x4F5097F5E7ED4A17u},
    {4200, 0xC29BA57DE2EE0829u}, {4400, 0x3C7C4E27022B8643u}, {4600, 0xE54A94458993C62Fu},
    {4800, 0x7BA51727848BB5B7u}, {5000, 0xCDA2A137B50630D8u}, {5200, 0x49BA1F892BC9B22Bu},
    {5400, 0xEF6C3BC891E445F1u}, {5600, 0x1475DBD4583189BAu}, {5800, 0x6DAB2BF792109B7Fu},
    {6000, 0x6EDEB4A302A58B4Eu}, {6200, 0x74246C072E85DE64u}, {6400, 0x2695CD5FC9673697u},
    {6600, 0xCA2A749016A96B39u}, {6800, 0xD9FA915253E70B09u}, {7000, 0x7FF3E84F36528468u},
    {7200, 0xCEA1CC74A911D2C3u}, {7400, 0x05A13F75EF8720CBu}, {7600, 0x4EC1798C70ADF21Bu},
    {7800, 0x97845525B98E1252u}, {8000, 0xA933757461F0FEEFu}, {8200, 0x650624BA979425BAu},
    {8400, 0x2482F5C4A144DA42u}, {8600, 0x23B263B6C21ADF56u}, {8800, 0x5174C3DC9F05DB33u},
    {9000, 0x6B5B92783A4E29E8u}, {9200, 0x5D20A0A598217160u}, {9400, 0xEC636D5ECCDA3E7Du},
    {9600, 0x66AE82B473C86762u}, {9800, 0xDE03C92E35A96E70u}, {10000, 0xF2B0C67F51F16EEAu},
    {10200, 0xC59276E33074ECEBu}, {10400, 0x12E4F21105FBC245u}, {10600, 0xF354E3E818632E0Fu},
    {10800, 0xD4E16C985B517933u}, {11000, 0xB597BAA8BC012211u}, {11200, 0x4FED390F25749F4Du},
    {11400, 0xBE9FE6E8B8E3E887u}, {11600, 0x2F515DB50F4E0D36u}, {11800, 0xBB0D6FB396B5D9BDu},
    {12000, 0x8EFF4FD93F3ADF6Au}, {12200, 0xFD6C4C4759AA8390u}, {12400, 0x3F47330A0FB31466u},
    {12600, 0x8C9105301794C405u}, {12800, 0xDDBE4698E99393CBu}, {13000, 0x80A216F62D1AE6B7u},
    {13200, 0xEEDD4B06EAD787A3u}, {13400, 0x857EAC2E7090123Eu}, {13600, 0x5A133B43E56A07F5u},
    {13800, 0xAAF89F630A840520u}, {14000, 0x55AA67389EDC0802u}, {14200, 0xDD44B39D1D28E300u},
    {14400, 0x4FA0B57BC9F03D18u}, {14600, 0xF42B9B9F4EC5016Bu}, {14800, 0x3FD8E20A446AA797u},
    {15000, 0x2F48186A16910E9Du}, {15200, 0x64886D5B77E4AEE7u}, {15400, 0xC25D16826D80A075u},
    {15600, 0x3454EC7FDC46D3ABu}, {15800, 0x55357DE2334E19CEu}, {16000, 0xFE4DD0C2C2E74D40u},
    {16200, 0x2312A2BB4F0AFF8Au}, {16400, 0x68EEA9154742C140u}, {16600, 0xDABB45DC8023FE82u},
    {16800, 0x506D1E34EC19B5A4u}, {17000, 0x98122A92C1633BF9u}, {17164, 0xA633E3060D031A2Bu},
};

}  // namespace

TEST(WholeGameReplay, FromTheFirstTitleFrameToTheLastStaffLine)
{
    Milestones seen;
    auto first = [](int& milestone, bool now, int frame) {
        if (now && milestone < 0) milestone = frame;
    };
    const std::vector<replay::Checkpoint> played = replay::Play(WholeGame(), [&](int frame) {
        first(seen.firstStageFrame, g_sceneFunc == StageFrame, frame);
        first(seen.firstBossFrame, g_sceneFunc == BossFrame, frame);
        first(seen.riseEnded, g_sceneFunc == BossFrame && g_bossPhase == 1, frame);
        first(seen.firstEndingFrame, g_sceneFunc == EndingFrame, frame);
        first(seen.lastLineNext, g_sceneFunc == EndingFrame && g_staffLineIndex == 5, frame);
        first(seen.lastLineFull, seen.lastLineNext >= 0 && g_staffLineAlpha == 255.0f, frame);
    });
    EXPECT_EQ(seen.firstStageFrame, kFirstStageFrame);
    EXPECT_EQ(seen.firstBossFrame - seen.firstStageFrame, kStageFrames);
    EXPECT_EQ(seen.riseEnded - seen.firstBossFrame, kRiseFrames);
    EXPECT_EQ(seen.firstEndingFrame - seen.firstBossFrame, kBossPhase2 + kCountdownFrames);
    // The staff roll moves on as it draws, before the present, and shows it from the next frame.
    const auto drawnFrom = [&](int frame) { return frame - seen.firstEndingFrame + 2; };
    EXPECT_EQ(drawnFrom(seen.lastLineNext), kLastLineFrame);
    EXPECT_EQ(drawnFrom(seen.lastLineFull), kLastLineFullFrame);
    EXPECT_TRUE(replay::Matches("whole game", kWholeGame, played));
}
