// Install and Uninstall over the areas that have joined.
#include "fake.h"

#include <vector>

#include "call_log.h"

namespace fake {

namespace {
// Filled by the areas' static initialisers, hence a function-local list.
std::vector<StandIn>& StandIns()
{
    static std::vector<StandIn> standIns;
    return standIns;
}
}  // namespace

bool AddStandIn(StandIn standIn)
{
    StandIns().push_back(standIn);
    return true;
}

void Install()
{
    ClearCalls();
    for (const StandIn& standIn : StandIns()) standIn.install();
}

void Uninstall()
{
    for (auto it = StandIns().rbegin(); it != StandIns().rend(); ++it) it->uninstall();
}

}  // namespace fake
