// Lets the test stand-ins watch the file loads of D3DX (textures and meshes) with their
// arguments, while the real loaders still do the work.
#pragma once

#include <functional>
#include <string>

namespace d3dx9 {

using LoadObserver = std::function<void(const std::string& call)>;
void SetLoadObserver(LoadObserver observer);
// Called by the loaders with "Name(args)" lines, as the call record of platform/fake has them.
void NotifyLoad(const std::string& call);

}  // namespace d3dx9
