// The building blocks of the effects: the home-made sine and the envelopes.
#include <gtest/gtest.h>

#include <cmath>

#include "sounds/synth.h"

namespace {

using namespace makedata::sound;

TEST(Synth, SineMatchesTheLibrarySineWellUnderOneSixteenBitStep)
{
    double worst = 0.0;
    for (int i = -4000; i <= 4000; ++i) {
        const double phase = i / 997.0;
        worst = std::fmax(worst, std::fabs(SineTurns(phase) - std::sin(2.0 * 3.14159265358979323846 * phase)));
    }
    EXPECT_LT(worst, 1.0 / 32768.0);
}

TEST(Synth, EnvelopeRisesDecaysHoldsAndReleases)
{
    const Envelope envelope{0.01, 0.1, 0.5, 0.2};
    EXPECT_DOUBLE_EQ(envelope.At(0.005, 1.0), 0.5);   // half-way up the attack
    EXPECT_DOUBLE_EQ(envelope.At(0.01, 1.0), 1.0);    // the top
    EXPECT_DOUBLE_EQ(envelope.At(0.5, 1.0), 0.5);     // holding at the sustain level
    EXPECT_NEAR(envelope.At(1.1, 1.0), 0.125, 1e-12);   // half-way through the release: a quarter of 0.5
    EXPECT_DOUBLE_EQ(envelope.At(1.2, 1.0), 0.0);
    // A gate closing during the attack releases from where the level got to.
    EXPECT_DOUBLE_EQ(envelope.At(0.005, 0.005), 0.5);
}

}  // namespace
