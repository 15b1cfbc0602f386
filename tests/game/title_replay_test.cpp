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
    {0, 0xCF85A6E278BC037Fu},   {30, 0x670FB73E23318A1Bu},  {60, 0xBD013A31391762C1u},
    {90, 0x8EF752AC53642EDFu},  {120, 0x343F43E8A980FE3Du}, {150, 0xAA4AEAEBAED84883u},
    {180, 0x5B24D73779466E7Du}, {210, 0x062A07AEAE5BC46Du}, {240, 0x3B143B9DCD49F095u},
    {270, 0x4F79D3BFAAD888E5u}, {300, 0xD9B47BB01C5A8869u}, {330, 0x5FBF548C3274D2F6u},
    {360, 0xBDA441BF2B2221ACu}, {390, 0xACD99DDF508B572Au}, {420, 0xB7249F1E863BFC63u},
    {450, 0x2E885B54CEEA27F1u}, {480, 0xB2FC298F47A31235u}, {510, 0x5CAF470CFDB25C6Eu},
    {539, 0x66D7575EE9C6FFBAu},
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
