// The main loop, the scene pointer it calls, the present convention and the shutdown.
#pragma once

typedef void (*SceneFunc)();

// The current scene function. A scene stores its successor here; the store takes effect
// at the next turn of the loop, after the storing procedure has run to its end.
extern SceneFunc g_sceneFunc;

// Runs until the quit message; returns its exit code after stopping the tune and Cleanup.
int RunMainLoop();
// Presents the whole back buffer; a failed present is answered by one Reset with the
// saved parameters and nothing else. Every procedure that shows a frame ends with it.
void PresentFrame();
// Releases the platform objects in their fixed order.
void Cleanup();
