// The shown energy counting one unit per frame toward the energy, its digits carried and
// borrowed, never recomputed from the value.
#include <gtest/gtest.h>

#include <array>

#include "game/energy.h"

namespace {

using Digits = std::array<int, 5>;

void Set(int32_t energy, int32_t shown, Digits digits)
{
    g_energy = energy;
    g_displayedEnergy = shown;
    for (int i = 0; i < 5; ++i) g_energyDigits[i] = int8_t(digits[size_t(i)]);
}

Digits Shown()
{
    Digits digits;
    for (int i = 0; i < 5; ++i) digits[size_t(i)] = g_energyDigits[i];
    return digits;
}

struct Step {
    int32_t energy, shown;
    Digits before;
    int32_t shownAfter;
    Digits after;
};

}  // namespace

TEST(EnergyTest, OneStepCarriesAndBorrows)
{
    const Step kSteps[] = {
        {10, 9, {0, 0, 0, 0, 9}, 10, {0, 0, 0, 1, 0}},
        {99, 100, {0, 0, 1, 0, 0}, 99, {0, 0, 0, 9, 9}},
        {500, 500, {0, 0, 5, 0, 0}, 500, {0, 0, 5, 0, 0}},
        {100000, 99999, {9, 9, 9, 9, 9}, 100000, {10, 0, 0, 0, 0}},
        {0, 100000, {10, 0, 0, 0, 0}, 99999, {9, 9, 9, 9, 9}},
        {40000, 10999, {1, 0, 9, 9, 9}, 11000, {1, 1, 0, 0, 0}},
        // The digits count from where they stand, whatever the value says.
        {1, 0, {0, 0, 0, 4, 2}, 1, {0, 0, 0, 4, 3}},
        // Far past what the display shows, the top digit wraps as an 8-bit value, no further.
        {2000000, 1279999, {127, 9, 9, 9, 9}, 1280000, {-128, 0, 0, 0, 0}},
        {0, 1280000, {-128, 0, 0, 0, 0}, 1279999, {127, 9, 9, 9, 9}},
    };
    for (const Step& step : kSteps) {
        Set(step.energy, step.shown, step.before);
        StepDisplayedEnergy();
        EXPECT_EQ(g_displayedEnergy, step.shownAfter) << "shown " << step.shown << ", energy " << step.energy;
        EXPECT_EQ(Shown(), step.after) << "shown " << step.shown << ", energy " << step.energy;
        EXPECT_EQ(g_energy, step.energy);
    }
}

TEST(EnergyTest, AnEnemyCountsUpTenFramesAndTheLaserDownAThousand)
{
    Set(10, 0, {0, 0, 0, 0, 0});
    int frames = 0;
    while (g_displayedEnergy != g_energy && frames < 5000) {
        StepDisplayedEnergy();
        ++frames;
    }
    EXPECT_EQ(frames, 10);
    EXPECT_EQ(Shown(), (Digits{0, 0, 0, 1, 0}));

    Set(1234, 1234, {0, 1, 2, 3, 4});
    g_energy -= 1000;
    frames = 0;
    while (g_displayedEnergy != g_energy && frames < 5000) {
        StepDisplayedEnergy();
        ++frames;
    }
    EXPECT_EQ(frames, 1000);
    EXPECT_EQ(Shown(), (Digits{0, 0, 2, 3, 4}));
}
