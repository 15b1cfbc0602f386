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
    {0, 0x67528D7011217384u},    {30, 0x899B8E29856A2C58u},   {60, 0xDC544E91EDBC8316u},
    {90, 0x5E8986334335FDA4u},   {120, 0xDDD37D2A668AA28Au},  {150, 0x9C497E4F52F75590u},
    {180, 0x112731F2ED44234Au},  {210, 0x4271DEE43217591Au},  {240, 0x4AC282F910901B92u},
    {270, 0x00AD49DA6F486082u},  {300, 0x88C3DFD689CD520Eu},  {330, 0xE585AA379176734Fu},
    {360, 0x62EC50F6CD14F83Du},  {390, 0x0C1D37C10D8636EBu},  {420, 0xB2DDB12515AED930u},
    {450, 0xE84DAE861BDC76A6u},  {480, 0x9CBB6331EDBD3872u},  {510, 0xE127C47D1E2189B7u},
    {539, 0x16382761E5DA7150u},
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
