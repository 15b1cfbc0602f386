// The boss attack timetable through the boss fight's own entry, on the stand-ins: any input
// is read into the table's hundred entries and no further (the sanitizers watch the
// writes). A time that is not a number never equals the boss timer, so it never fires.
#include <cstdint>
#include <cstring>

#include "audio/music.h"
#include "core/release.h"
#include "game/boss.h"
#include "input_file.h"
#include "stand_in_device.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StandInDevice();
    if (!WriteGameFile(data, size, "DATA/PatAt.kfc")) return 0;
    std::memset(g_attackPatterns, 0, sizeof g_attackPatterns);

    EnterBossPhase();
    // The boss tune's objects are the game's to keep until it ends; here each input ends.
    if (g_musicPerformance) g_musicPerformance->CloseDown();
    Release(g_musicSegment);
    Release(g_musicPerformance);
    Release(g_musicLoader);
    return 0;
}
