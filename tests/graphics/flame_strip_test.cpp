// The flame strip on the fake device: its cells call by call and its place under the craft.
#include "graphics/effect_fixture.h"

using FlameStripTest = EffectFixture;

TEST_F(FlameStripTest, CellZeroTwiceThenOneCellPerCallRoundThirteen)
{
    // Pixel columns of the cells drawn by calls 1 to 28.
    const std::vector<int> expected = {0,   0, 23, 46, 69, 92, 115, 138, 161, 184, 207, 230, 253, 276,
                                       0,  23, 46, 69, 92, 115, 138, 161, 184, 207, 230, 253, 276, 0};
    std::vector<int> drawn;
    for (size_t call = 0; call < expected.size(); ++call) {
        DrawFlameStrip(g_flameQuad, At(0, 0, 0));
        const std::vector<EffectDraw> draws = TakeDraws();
        ASSERT_EQ(draws.size(), 1u);
        const D3DXVECTOR2* uv[4] = {&draws[0].vertices[0].uv, &draws[0].vertices[1].uv, &draws[0].vertices[2].uv,
                                    &draws[0].vertices[3].uv};
        drawn.push_back(int(uv[0]->x * 1024.0f + 0.5f));
        const float s = float(drawn.back());
        EXPECT_EQ(*uv[0], D3DXVECTOR2(s / 1024, 161.0f / 512));
        EXPECT_EQ(*uv[1], D3DXVECTOR2((s + 23) / 1024, 161.0f / 512));
        EXPECT_EQ(*uv[2], D3DXVECTOR2((s + 23) / 1024, 198.0f / 512));
        EXPECT_EQ(*uv[3], D3DXVECTOR2(s / 1024, 198.0f / 512));
    }
    EXPECT_EQ(drawn, expected);
}

TEST_F(FlameStripTest, DrawnTwoUnitsUnderTheCraftWithTheGlowAndRestored)
{
    DrawFlameStrip(g_flameQuad, At(1.5f, -10.0f, 0.25f));
    const std::vector<EffectDraw> draws = TakeDraws();
    ASSERT_EQ(draws.size(), 1u);
    const EffectDraw& draw = draws[0];
    EXPECT_EQ(draw.type, D3DPT_TRIANGLEFAN);
    EXPECT_EQ(draw.primitives, 2u);
    EXPECT_EQ(draw.stride, 24u);
    EXPECT_EQ(draw.world._11, 1.0f);
    EXPECT_EQ(draw.world._41, 1.5f);
    EXPECT_EQ(draw.world._42, -12.0f);
    EXPECT_EQ(draw.world._43, 0.25f);
    EXPECT_EQ(draw.lighting, DWORD(FALSE));
    EXPECT_EQ(draw.destBlend, DWORD(D3DBLEND_DESTALPHA));
    EXPECT_EQ(draw.texture, "game");
    EXPECT_EQ(draw.fvf, 0x142u);
    const std::vector<std::string> after = {"SetRenderState(SRCBLEND, SRCALPHA)",
                                            "SetRenderState(DESTBLEND, INVSRCALPHA)", "SetRenderState(LIGHTING, TRUE)"};
    EXPECT_EQ(std::vector<std::string>(fake::Calls().end() - 3, fake::Calls().end()), after);
}
