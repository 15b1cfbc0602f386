// The seven sound effects of the game, each synthesised from scratch.
#pragma once

#include "sounds/synth.h"

namespace makedata::sound {

Samples MakeEnter();      // the title's confirm chime; start-up plays it 14 dB down
Samples MakeShot();       // one player shot; restarted every 20 frames of auto-fire, 10 dB down
Samples MakeEnemyDie();   // an enemy bursting
Samples MakeDamage();     // the craft being hit; restarted every frame of a contact
Samples MakeSiren();      // the boss warning; sounds every 50 frames, so it ends within them
Samples MakeLaser();      // the beam; restarted every frame, so its first 1/60 s is the beam
Samples MakeBossDie();    // a big explosion: hits on the boss, bombs, the boss's burst

}  // namespace makedata::sound
