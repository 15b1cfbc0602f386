// What hits what in the boss fight: the attack table's bomb volleys, the player's
// projectiles against the boss's flanks, the laser, and the boss and bombs against the craft.
#pragma once

// Fires every entry whose time equals the boss timer exactly.
void WalkAttackTable();
void HitBossWithProjectiles();
void HitBossWithLaser();
// The boss touching the craft hurts it and draws it a second time.
void TouchCraftWithBoss();
void UpdateBombs();
