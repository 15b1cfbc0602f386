// The boss fight: its entry, its frame, the boss's five phases and its attack timetable.
#pragma once

#include <cstdint>

// 0 rise, 1 descent while the life fills, 2 fight, 3 dying, 4 countdown to the ending.
extern uint8_t g_bossPhase;

struct AttackPatternEntry {
    uint8_t type;  // 0 drops a bomb volley; any other value does nothing
    float time;    // boss-timer units: the file's time times 20
};

// From "./DATA/PatAt.kfc"; walked whole in every frame of the fight.
extern AttackPatternEntry g_attackPatterns[100];

// Stored by the stage frame once its timer passes 5700; runs once.
void EnterBossPhase();
void BossFrame();
// One frame of the boss's motion in the phase the pointer holds, which it advances.
void UpdateBossMotion(uint8_t* phase);
// Looks from beside the craft at the rising boss, upside down; only in phase 0.
void SetBossCamera();
