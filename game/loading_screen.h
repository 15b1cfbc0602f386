// The loading screen the stage loading shows between its steps.
#pragma once

#include <cstdint>

// Draws and presents one whole frame: the caption and two bars, barA the whole loading's
// progress and barB the current step's, each a fill width in pixels, 0 to 392 (full).
void DrawLoadingScreen(int32_t barA, int32_t barB);
