// The recording stand-ins of the platform, for tests: Install puts every one in place
// of the real services and forgets every script and the call record.
#pragma once

namespace fake {

void Install();
// Takes the stand-ins away again; the call record stays readable.
void Uninstall();

// One area of stand-ins (window system, Direct3D, sprite, sound, music, joystick). Its
// install puts its implementation in place and forgets its scripts; its uninstall takes
// it away. An area joins Install with one line at file scope:
//   [[maybe_unused]] const bool kJoined = fake::AddStandIn({"sound", InstallSound, UninstallSound});
struct StandIn {
    const char* name;
    void (*install)();
    void (*uninstall)();
};
bool AddStandIn(StandIn standIn);

// Install for the length of a scope, such as a test body or fixture.
class Installed {
public:
    Installed() { Install(); }
    ~Installed() { Uninstall(); }
    Installed(const Installed&) = delete;
    Installed& operator=(const Installed&) = delete;
};

}  // namespace fake
