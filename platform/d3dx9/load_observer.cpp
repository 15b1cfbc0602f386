#include "load_observer.h"

namespace d3dx9 {

namespace {
LoadObserver& Observer()
{
    static LoadObserver observer;
    return observer;
}
}  // namespace

void SetLoadObserver(LoadObserver observer) { Observer() = std::move(observer); }

void NotifyLoad(const std::string& call)
{
    if (Observer()) Observer()(call);
}

}  // namespace d3dx9
