// The energy and the shown energy with its five counted digits.
#include "game/energy.h"

int32_t g_energy;
int32_t g_displayedEnergy;
int8_t g_energyDigits[5];

// The digits are counted, never recomputed from the value. The shown value only moves
// toward g_energy, so it cannot overflow. The ten-thousands digit takes every carry and
// borrow: past 99999 shown it holds 10 and more, and it wraps as an 8-bit value (defined
// in C++20) after 127, so the display must check it before using it as an index.
void StepDisplayedEnergy()
{
    int8_t* digit = g_energyDigits;
    if (g_displayedEnergy < g_energy) {
        digit[4] = int8_t(digit[4] + 1);
        ++g_displayedEnergy;
        for (int k = 4; k >= 1; --k) {
            if (digit[k] >= 10) {
                digit[k - 1] = int8_t(digit[k - 1] + 1);
                digit[k] = 0;
            }
        }
    }
    if (g_displayedEnergy > g_energy) {
        digit[4] = int8_t(digit[4] - 1);
        --g_displayedEnergy;
        for (int k = 4; k >= 1; --k) {
            if (digit[k] < 0) {
                digit[k - 1] = int8_t(digit[k - 1] - 1);
                digit[k] = 9;
            }
        }
    }
}
