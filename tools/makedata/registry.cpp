// The list of generators, filled by their static registrations before main runs.
#include "makedata.h"

namespace makedata {

std::vector<NamedGenerator>& Generators()
{
    static std::vector<NamedGenerator> generators;
    return generators;
}

Registration::Registration(const char* name, Generator generate)
{
    Generators().push_back({name, std::move(generate)});
}

}  // namespace makedata
