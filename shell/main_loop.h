// The main loop and the shutdown that follows it.
#pragma once

// Runs until the quit message; returns its exit code after stopping the tune and Cleanup.
int RunMainLoop();
// Releases the platform objects in their fixed order.
void Cleanup();
