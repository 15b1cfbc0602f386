// The stage: its entry, which the effect-quad set-up stores.
#pragma once

void EnterStage();
