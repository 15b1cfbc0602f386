#include "load_observer.h"

namespace d3dx9 {

namespace {
LoadObserver* g_observer = nullptr;
}  // namespace

void SetLoadObserver(LoadObserver* observer) { g_observer = observer; }

LoadObserver* TheLoadObserver() { return g_observer; }

}  // namespace d3dx9
