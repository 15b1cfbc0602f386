// The scene pointer the main loop calls, and the present convention every frame ends with.
#pragma once

typedef void (*SceneFunc)();

// The current scene function. A scene stores its successor here; the store takes effect
// at the next turn of the loop, after the storing procedure has run to its end.
extern SceneFunc g_sceneFunc;

// Presents the whole back buffer; a failed present is answered by one Reset with the
// saved parameters and nothing else. Every procedure that shows a frame ends with it.
void PresentFrame();
