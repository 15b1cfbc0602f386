// The game's four tunes. Each is one loop: it starts on its first downbeat and its last bar
// leads back into its first.
#pragma once

#include "tunes/tune.h"

namespace makedata::tune {

Tune ComposeTitle();   // a heroic theme in D minor under the title
Tune ComposeStage();   // a driving rock tune in A minor for the stage
Tune ComposeBoss();    // a tense E minor tune for the boss fight
Tune ComposeEnding();  // a calm C major tune for the staff roll

}  // namespace makedata::tune
