// Blending and alpha testing on the OpenGL device, and the back buffer without alpha that
// makes the game's destination-alpha glow add light.
#include "d3d9/gl_render_fixture.h"

namespace {

using render_test::GlRenderTest;
using render_test::Near;

class GlBlendTest : public GlRenderTest {
protected:
    void SetUp() override
    {
        GlRenderTest::SetUp();
        if (IsSkipped()) return;
        device_->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
        device_->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF323232, 1.0f, 0);
        device_->BeginScene();
    }

    void Blend(D3DBLEND source, D3DBLEND destination)
    {
        device_->SetRenderState(D3DRS_SRCBLEND, source);
        device_->SetRenderState(D3DRS_DESTBLEND, destination);
    }

    uint32_t At(UINT x, UINT y)
    {
        device_->EndScene();
        const uint32_t pixel = Shot().At(x, y);
        device_->BeginScene();
        return pixel;
    }
};

TEST_F(GlBlendTest, DestinationAlphaReadsOneSoGlowAddsLight)
{
    // First a pixel of colour 50 whose alpha would be 0 in a buffer that kept alpha...
    Blend(D3DBLEND_ONE, D3DBLEND_ZERO);
    FillRect(0, 0, 10, 10, 0x00323232);
    // ...then the glow: 100 x 128/255 + 50 x destination alpha (1) = 100 of red.
    Blend(D3DBLEND_SRCALPHA, D3DBLEND_DESTALPHA);
    FillRect(0, 0, 10, 10, 0x80640000);
    EXPECT_TRUE(Near(At(5, 5), 0x643232, 1));
}

TEST_F(GlBlendTest, FactorsFollowTheRenderStates)
{
    struct Case {
        D3DBLEND source, destination;
        D3DCOLOR colour;
        uint32_t expected;  // over 0x323232
    };
    const Case cases[] = {
        {D3DBLEND_ONE, D3DBLEND_ONE, 0xFF102030, 0x425262},
        {D3DBLEND_ZERO, D3DBLEND_SRCCOLOR, 0xFF808080, 0x191919},
        {D3DBLEND_SRCALPHA, D3DBLEND_INVSRCALPHA, 0x80FFFFFF, 0x999999},
        {D3DBLEND_INVDESTCOLOR, D3DBLEND_ZERO, 0xFFFFFFFF, 0xCDCDCD},
        {D3DBLEND_DESTCOLOR, D3DBLEND_ZERO, 0xFFFFFFFF, 0x323232},
        {D3DBLEND_ZERO, D3DBLEND_INVDESTALPHA, 0xFFFFFFFF, 0x000000},
    };
    float x = 0;
    for (const Case& c : cases) {
        Blend(c.source, c.destination);
        FillRect(x, 0, 10, 10, c.colour);
        EXPECT_TRUE(Near(At(UINT(x) + 5, 5), c.expected, 1)) << c.source << " " << c.destination;
        x += 20;
    }
    EXPECT_EQ(device_->SetRenderState(D3DRS_SRCBLEND, 99), D3DERR_INVALIDCALL);
    DWORD source = 0;
    device_->GetRenderState(D3DRS_SRCBLEND, &source);
    EXPECT_EQ(source, DWORD(D3DBLEND_ZERO)) << "a refused value changes nothing";
}

TEST_F(GlBlendTest, BlendingOffWritesTheColour)
{
    device_->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
    Blend(D3DBLEND_SRCALPHA, D3DBLEND_INVSRCALPHA);
    FillRect(0, 0, 10, 10, 0x00FF0000);
    EXPECT_TRUE(Near(At(5, 5), 0xFF0000, 0));
}

TEST_F(GlBlendTest, AlphaTestDropsPixelsThatFail)
{
    device_->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
    device_->SetRenderState(D3DRS_ALPHATESTENABLE, TRUE);
    device_->SetRenderState(D3DRS_ALPHAFUNC, D3DCMP_GREATER);
    device_->SetRenderState(D3DRS_ALPHAREF, 0x80);
    FillRect(0, 0, 10, 10, 0x40FF0000);
    FillRect(20, 0, 10, 10, 0xC0FF0000);
    EXPECT_TRUE(Near(At(5, 5), 0x323232, 0));
    EXPECT_TRUE(Near(At(25, 5), 0xFF0000, 0));
}

}  // namespace
