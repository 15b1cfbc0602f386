// The boss fight.
#pragma once

// The boss scene's entry, stored by the stage frame once its timer passes 5700.
void EnterBossPhase();
