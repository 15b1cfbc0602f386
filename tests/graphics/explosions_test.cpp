// The explosions on the fake device: sixteen cells one per call, ten slots taken lowest
// first, the glow states set and restored around them.
#include "graphics/effect_fixture.h"

namespace {

class ExplosionsTest : public EffectFixture {
protected:
    void SetUp() override
    {
        EffectFixture::SetUp();
        // Quad i marked by its corners' x, so a draw shows which quad it was given.
        for (int i = 0; i < 40; ++i) g_explosionQuads[i].position = D3DXVECTOR3(float(i), 0, 0);
    }

    // The slot a draw was given, read back from its first corner.
    static int SlotOf(const EffectDraw& draw) { return int(draw.vertices[0].position.x) / 4; }

    static void ExpectCell(const EffectDraw& draw, int cell)
    {
        const float u = float(cell % 8 * 80), v = float(cell / 8 * 80);
        const D3DXVECTOR2 corners[4] = {{u / 1024, v / 512},
                                        {(u + 80) / 1024, v / 512},
                                        {(u + 80) / 1024, (v + 80) / 512},
                                        {u / 1024, (v + 80) / 512}};
        for (int k = 0; k < 4; ++k) EXPECT_EQ(draw.vertices[k].uv, corners[k]) << "cell " << cell << " corner " << k;
    }
};

}  // namespace

TEST_F(ExplosionsTest, OneCellPerCallThroughSixteenThenTheSlotIsFree)
{
    SpawnExplosion(At(1, 2, 3), 2.0f);
    EXPECT_EQ(g_explosionActive[0], 1);
    for (int call = 0; call < 16; ++call) {
        DrawExplosions(g_explosionQuads, At(0, 0, 0));
        const std::vector<EffectDraw> draws = TakeDraws();
        ASSERT_EQ(draws.size(), 1u) << "call " << call;
        const EffectDraw& draw = draws[0];
        ExpectCell(draw, call);
        EXPECT_EQ(SlotOf(draw), 0);
        EXPECT_EQ(draw.type, D3DPT_TRIANGLEFAN);
        EXPECT_EQ(draw.primitives, 2u);
        EXPECT_EQ(draw.stride, 24u);
        // Scaled in x and y only, then moved to the spawn point.
        EXPECT_EQ(draw.world._11, 2.0f);
        EXPECT_EQ(draw.world._22, 2.0f);
        EXPECT_EQ(draw.world._33, 1.0f);
        EXPECT_EQ(draw.world._41, 1.0f);
        EXPECT_EQ(draw.world._42, 2.0f);
        EXPECT_EQ(draw.world._43, 3.0f);
        EXPECT_EQ(draw.lighting, DWORD(FALSE));
        EXPECT_EQ(draw.srcBlend, DWORD(D3DBLEND_SRCALPHA));
        EXPECT_EQ(draw.destBlend, DWORD(D3DBLEND_DESTALPHA));
        EXPECT_EQ(draw.fvf, 0x142u);
        EXPECT_EQ(draw.texture, "game");
    }
    EXPECT_EQ(g_explosionActive[0], 0);
    EXPECT_EQ(g_explosionCellU[0], 0.0f);
    EXPECT_EQ(g_explosionCellV[0], 0.0f);
    DrawExplosions(g_explosionQuads, At(0, 0, 0));
    EXPECT_TRUE(TakeDraws().empty());
}

TEST_F(ExplosionsTest, StatesChangeAndComeBackWithNothingToDraw)
{
    DrawExplosions(g_explosionQuads, At(0, 0, 0));
    EXPECT_EQ(fake::Calls(), (std::vector<std::string>{
                                 "SetRenderState(LIGHTING, FALSE)",
                                 "SetTexture(0, game)",
                                 "SetFVF(XYZ|DIFFUSE|TEX1)",
                                 "SetRenderState(SRCBLEND, SRCALPHA)",
                                 "SetRenderState(DESTBLEND, DESTALPHA)",
                                 "SetRenderState(SRCBLEND, SRCALPHA)",
                                 "SetRenderState(DESTBLEND, INVSRCALPHA)",
                                 "SetRenderState(LIGHTING, TRUE)",
                             }));
}

// Slot 0 runs eight cells ahead of nine later ones; an eleventh spawn while all ten run is
// lost, and the next one takes slot 0 as soon as it ends, drawn first again.
TEST_F(ExplosionsTest, AFullPoolDropsASpawnAndTheLowestFreedSlotIsTakenNext)
{
    SpawnExplosion(At(0, 0, 0), 1.0f);
    for (int call = 0; call < 8; ++call) DrawExplosions(g_explosionQuads, At(0, 0, 0));
    for (int i = 1; i < 10; ++i) SpawnExplosion(At(float(i), 0, 0), 1.0f);
    SpawnExplosion(At(99, 0, 0), 1.0f);
    TakeDraws();

    for (int call = 8; call < 16; ++call) {
        DrawExplosions(g_explosionQuads, At(0, 0, 0));
        const std::vector<EffectDraw> draws = TakeDraws();
        ASSERT_EQ(draws.size(), 10u);
        for (int slot = 0; slot < 10; ++slot) {
            EXPECT_EQ(SlotOf(draws[slot]), slot);
            EXPECT_EQ(draws[slot].world._41, float(slot));
            ExpectCell(draws[slot], slot == 0 ? call : call - 8);
        }
    }
    EXPECT_EQ(g_explosionActive[0], 0);

    SpawnExplosion(At(50, 0, 0), 1.0f);
    DrawExplosions(g_explosionQuads, At(0, 0, 0));
    const std::vector<EffectDraw> draws = TakeDraws();
    ASSERT_EQ(draws.size(), 10u);
    EXPECT_EQ(SlotOf(draws[0]), 0);
    EXPECT_EQ(draws[0].world._41, 50.0f);
    ExpectCell(draws[0], 0);
    ExpectCell(draws[1], 8);
}
