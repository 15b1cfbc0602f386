// The vertex of the effect quads.
#include "graphics/effects.h"

static_assert(sizeof(EffectVertex) == 24, "the effect quads are drawn with a stride of 24");

// Sets nothing: the arrays are static, so they start at zero until the stage fills them.
EffectVertex::EffectVertex() {}
