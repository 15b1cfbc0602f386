// Which faces of the corridor walls the game's cameras can ever show.
#pragma once

#include "models/seen_facets.h"

namespace makedata {

// True when the stage camera shows some of the facet at some step of the walls' scroll, in
// the stage or in the boss fight, or when the boss's rise view faces it with no part of the
// walls in the way.
bool WallFacetSeen(const Assembly& walls, const Facet& facet);

}  // namespace makedata
