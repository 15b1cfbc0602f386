// The stage: its entry, its frame and the camera the boss fight shares.
#pragma once

void EnterStage();
void StageFrame();
// View from behind and above the craft; every stage frame and the risen boss fight set it.
void SetStageCamera();
