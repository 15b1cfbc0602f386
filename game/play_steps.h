// Steps the stage frame and the boss frame share.
#pragma once

// The craft's controls while it flies: free steering, or one step of the missile manoeuvre.
void SteerPlayer();
// The walls leapfrog: each scrolls down and jumps back up one wall length past the other.
void DrawAndScrollWalls();
// One frame of every player shot and missile in flight, in slot order.
void UpdatePlayerProjectiles();
// One frame of the craft's death spin, drawn; true in the frame it reaches endZ, where it
// bursts and is gone (life 1) and the caller enters the ending.
bool SpinCraft(float endZ);
