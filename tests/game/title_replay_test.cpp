// One replay from the first title frame to the stage: the logo slides in, Enter is pressed
// while it is still on its way, the loading bars run through the real DATA, and the stage
// entry follows.
#include <gtest/gtest.h>

#include "core/scene.h"
#include "game/stage_loading.h"
#include "game/title.h"
#include "support/replay.h"

namespace {

replay::Script TitleToStage()
{
    replay::Script script;
    script.frames = 540;
    script.checkpointEvery = 30;
    script.keys = {{45, VK_RETURN, true}, {50, VK_RETURN, false}};
    return script;
}

const replay::Checkpoint kTitleToStage[] = {
    {0, 0x0CB4E4E142BB3CFDu},    {30, 0x96625771907BC951u},   {60, 0xE09A08B5A79103FBu},
    {90, 0x0BF0FDB827093CDDu},   {120, 0xA1AAE94EF9E173FFu},  {150, 0x4770C3A1DD5FBD59u},
    {180, 0x4D3D78A93321B4BFu},  {210, 0x29BEDD7C45FB192Fu},  {240, 0x15CCC0BD162A2717u},
    {270, 0x33320EB9AB0478E7u},  {300, 0x69E2C51B94DE1943u},  {330, 0xAA2846E988467F54u},
    {360, 0xF06DF579922CA2F6u},  {390, 0xCBF89A8494878460u},  {420, 0xA9514D9A559529B9u},
    {450, 0x4810F990891B1AEBu},  {480, 0xB1831FA1CB639DB7u},  {510, 0xD2163941AC8538ACu},
    {539, 0x2DE2F4854FF1CF19u},
};

}  // namespace

TEST(TitleReplay, FromTheFirstTitleFrameToTheStage)
{
    int firstStageFrame = -1;
    const std::vector<replay::Checkpoint> played = replay::Play(TitleToStage(), [&](int frame) {
        const bool inStage = g_sceneFunc != TitleFrame && g_sceneFunc != StartGame && g_sceneFunc != LoadStage;
        if (inStage && firstStageFrame < 0) firstStageFrame = frame;
    });
    // 45 title frames, the last taking Enter, which goes down while it is presented; 480
    // loading frames with the 360 records of the stage timetable; then the stage.
    EXPECT_EQ(firstStageFrame, 45 + 480);
    EXPECT_TRUE(replay::Matches("title to stage", kTitleToStage, played));
}
