// The recording stand-ins of the platform, for tests: Install puts every one in place
// of the real services and forgets every script and the call record.
#pragma once

namespace fake {

// The stand-ins in one list, in the order the game's start-up first reaches them: window
// system, DirectSound, Direct3D, the sprite, D3DX's file loads, DirectInput, DirectMusic.
void Install();
// Takes the stand-ins away again, in the reverse order; the call record stays readable.
void Uninstall();

// Install for the length of a scope, such as a test body or fixture.
class Installed {
public:
    Installed() { Install(); }
    ~Installed() { Uninstall(); }
    Installed(const Installed&) = delete;
    Installed& operator=(const Installed&) = delete;
};

}  // namespace fake
