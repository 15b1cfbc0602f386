// Blending and alpha testing on the OpenGL device, and the back buffer without alpha that
// makes the game's destination-alpha glow add light.
#include "d3d9/gl_render_fixture.h"

namespace {

using render_test::Near;

class GlBlendTest : public render_test::GlRenderTest {
protected:
    void SetUp() override
    {
        GlRenderTest::SetUp();
        if (IsSkipped()) return;
        device_->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
        ClearTo(0xFF323232);
    }

    void Blend(D3DBLEND source, D3DBLEND destination)
    {
        device_->SetRenderState(D3DRS_SRCBLEND, source);
        device_->SetRenderState(D3DRS_DESTBLEND, destination);
    }
};

TEST_F(GlBlendTest, DestinationAlphaReadsOneSoGlowAddsLight)
{
    // First a pixel of colour 50 whose alpha would be 0 in a buffer that kept alpha...
    Blend(D3DBLEND_ONE, D3DBLEND_ZERO);
    DrawRect(0, 0, 10, 10, 0x00323232);
    // ...then the glow: 100 x 128/255 + 50 x destination alpha (1) = 100 of red.
    Blend(D3DBLEND_SRCALPHA, D3DBLEND_DESTALPHA);
    DrawRect(0, 0, 10, 10, 0x80640000);
    EXPECT_TRUE(Near(Shot().At(5, 5), 0x643232, 1));
}

TEST_F(GlBlendTest, FactorsAndTheAlphaTestFollowTheRenderStates)
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
        {D3DBLEND_DESTCOLOR, D3DBLEND_INVDESTALPHA, 0xFFFFFFFF, 0x323232},
    };
    float x = 0;
    for (const Case& c : cases) {
        Blend(c.source, c.destination);
        DrawRect(x, 0, 10, 10, c.colour);
        EXPECT_TRUE(Near(Shot().At(UINT(x) + 5, 5), c.expected, 1)) << c.source << " " << c.destination;
        x += 20;
    }
    device_->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
    device_->SetRenderState(D3DRS_ALPHATESTENABLE, TRUE);
    device_->SetRenderState(D3DRS_ALPHAFUNC, D3DCMP_GREATER);
    device_->SetRenderState(D3DRS_ALPHAREF, 0x80);
    DrawRect(200, 0, 10, 10, 0x40FF0000);
    DrawRect(220, 0, 10, 10, 0xC0FF0000);
    const d3d9::Picture picture = Shot();
    EXPECT_TRUE(Near(picture.At(205, 5), 0x323232, 0));
    EXPECT_TRUE(Near(picture.At(225, 5), 0xFF0000, 0)) << "unblended: the colour, whatever its alpha";
}

}  // namespace
