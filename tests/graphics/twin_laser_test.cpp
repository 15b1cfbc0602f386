// The twin laser on the fake device: a run's growth, hold and end, its length in calls,
// and the two beams either side of the craft.
#include "graphics/effect_fixture.h"

namespace {

class TwinLaserTest : public EffectFixture {
protected:
    void SetUp() override
    {
        EffectFixture::SetUp();
        // As the stage fills it: 0.2 wide, every height 0.
        const float x[4] = {-0.1f, 0.1f, 0.1f, -0.1f};
        for (int i = 0; i < 4; ++i) g_laserQuad[i].position = D3DXVECTOR3(x[i], 0, 0);
    }

    // Calls until the run ends, with the (head, tail) each call drew; stops at 2000.
    std::vector<std::pair<float, float>> Run()
    {
        std::vector<std::pair<float, float>> heights;
        g_laserActive = 1;
        while (g_laserActive == 1 && heights.size() < 2000) {
            DrawTwinLaser(g_laserQuad, At(0, 0, 0));
            const std::vector<EffectDraw> draws = TakeDraws();
            EXPECT_EQ(draws.size(), 2u);
            heights.emplace_back(draws[0].vertices[0].position.y, draws[0].vertices[2].position.y);
        }
        return heights;
    }
};

}  // namespace

TEST_F(TwinLaserTest, FirstRunLasts760CallsAndEveryLaterOne759)
{
    const std::vector<std::pair<float, float>> first = Run();
    ASSERT_EQ(first.size(), 760u);
    // (call counted from 1, head, tail) as the call drew them.
    const struct {
        size_t call;
        float head, tail;
    } kWorked[] = {{1, 0, 0}, {2, 0.5f, 0}, {60, 29.5f, 0}, {61, 30, 0}, {700, 30, 0},
                   {701, 30, 0}, {702, 30, 0.5f}, {760, 30, 29.5f}};
    for (const auto& w : kWorked) {
        EXPECT_EQ(first[w.call - 1].first, w.head) << "call " << w.call;
        EXPECT_EQ(first[w.call - 1].second, w.tail) << "call " << w.call;
    }
    for (const EffectVertex& v : g_laserQuad) EXPECT_EQ(v.position.y, 0.0f);
    EXPECT_EQ(g_laserFrame, 1);

    EXPECT_EQ(Run().size(), 759u);
    EXPECT_EQ(Run().size(), 759u);
}

TEST_F(TwinLaserTest, AFlagClearedFromOutsideKeepsTheRunWhereItWas)
{
    for (int call = 0; call < 100; ++call) DrawTwinLaser(g_laserQuad, At(0, 0, 0));
    g_laserActive = 0;  // as the boss frame does in the craft's death spin
    EXPECT_EQ(g_laserFrame, 100);
    EXPECT_EQ(g_laserQuad[1].position.y, 30.0f);
    TakeDraws();
    const std::vector<std::pair<float, float>> rest = Run();
    EXPECT_EQ(rest.size(), 660u);
    EXPECT_EQ(rest.front().first, 30.0f);
}

TEST_F(TwinLaserTest, TwoBeamsEitherSideOfTheCraftUnderTheStandingBlend)
{
    g_laserQuad[0].uv = D3DXVECTOR2(1.0f / 1024, 333.0f / 512);
    DrawTwinLaser(g_laserQuad, At(2.0f, -10.0f, 0.5f));
    const std::vector<EffectDraw> draws = TakeDraws();
    ASSERT_EQ(draws.size(), 2u);
    const float xs[2] = {2.0f - 0.2f, 2.0f + 0.2f};
    for (int beam = 0; beam < 2; ++beam) {
        EXPECT_EQ(draws[beam].type, D3DPT_TRIANGLEFAN);
        EXPECT_EQ(draws[beam].primitives, 2u);
        EXPECT_EQ(draws[beam].stride, 24u);
        EXPECT_EQ(draws[beam].world._41, xs[beam]);
        EXPECT_EQ(draws[beam].world._42, -10.0f);
        EXPECT_EQ(draws[beam].world._43, 0.5f);
        EXPECT_EQ(draws[beam].lighting, DWORD(FALSE));
        EXPECT_EQ(draws[beam].fvf, 0x142u);
        EXPECT_EQ(draws[beam].texture, "game");
        EXPECT_EQ(draws[beam].vertices[0].uv, g_laserQuad[0].uv);
    }
    EXPECT_TRUE(fake::CallsStartingWith("SetRenderState(SRCBLEND,").empty());
    EXPECT_TRUE(fake::CallsStartingWith("SetRenderState(DESTBLEND,").empty());
    EXPECT_EQ(fake::Calls().back(), "SetRenderState(LIGHTING, TRUE)");
    // The x of the corners never change; only the heights do.
    EXPECT_EQ(g_laserQuad[2].position.x, 0.1f);
    EXPECT_EQ(g_laserQuad[0].position.y, 0.5f);
}
