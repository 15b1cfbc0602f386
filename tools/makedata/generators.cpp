// The list of the generator's shares.
#include "makedata.h"
#include "models/models.h"
#include "timetables/timetables.h"

namespace makedata {

namespace {
const NamedGenerator kGenerators[] = {
    {"sheets", WriteSheets}, {"models", WriteModels}, {"timetables", WriteTimetables},
    {"sounds", WriteSounds}, {"tunes", WriteTunes},
};
}  // namespace

std::span<const NamedGenerator> Generators() { return kGenerators; }

}  // namespace makedata
