// The models with their textures, and the two timetables: one share of the DATA folder.
#include "makedata.h"
#include "models/models.h"
#include "timetables/timetables.h"

namespace {

const makedata::Registration registration("models", [](const std::filesystem::path& dataDir) {
    makedata::WriteModels(dataDir);
    makedata::WriteTimetables(dataDir);
});

}  // namespace
