// The texture and mesh loaders of D3DX do the real work on the device stand-in; the call
// record gets their calls with the arguments the game gave.
#include "call_log.h"
#include "fake.h"
#include "load_observer.h"

namespace fake {

namespace {
void InstallLoadObserver() { d3dx9::SetLoadObserver([](const std::string& call) { Record(call); }); }
void UninstallLoadObserver() { d3dx9::SetLoadObserver({}); }
[[maybe_unused]] const bool kJoined = AddStandIn({"loads", InstallLoadObserver, UninstallLoadObserver});
}  // namespace

}  // namespace fake
