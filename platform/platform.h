// Chooses which implementation stands behind every platform service for this process.
#pragma once

namespace platform {

// The real machine: SDL window and input, OpenGL, the SDL audio device with FluidSynth.
void UseRealPlatform();
// Lets the real services close their devices after WinMain has returned.
void ShutdownRealPlatform();

}  // namespace platform
