// One enemy slot's part of a stage frame: entry, movement, fire, hits and destruction.
#pragma once

#include <cstdint>

// Called for every slot, in index order, between the stage frame's scene begin and end.
void UpdateEnemySlot(int32_t slot);
