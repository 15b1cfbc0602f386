// The test program's entry: the environment every test expects, whether run by ctest or
// by hand (headless video and audio, where the real-world test files and the build are),
// and the game's state at program start, for the replays.
#include <gtest/gtest.h>
#include <link.h>

#include <cstdlib>
#include <cstring>

#include "support/game_state.h"

// Mesa's software rasteriser runs worker threads that the leak checker cannot always stop:
// it then crashes instead of checking. A test program that drew through Mesa skips the
// leak check; those on the stand-ins, which are most, keep it.
extern "C" int __lsan_is_turned_off()
{
    int mesaLoaded = 0;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* found) {
            if (info->dlpi_name && std::strstr(info->dlpi_name, "_dri.so")) *static_cast<int*>(found) = 1;
            return 0;
        },
        &mesaLoaded);
    return mesaLoaded;
}

int main(int argc, char** argv)
{
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("VELTRANE_TESTDATA", VELTRANE_TESTDATA_DIR, 0);
    setenv("VELTRANE_SOURCE", VELTRANE_SOURCE_DIR, 0);
    setenv("VELTRANE_BUILD", VELTRANE_BUILD_DIR, 0);
    game_state::RememberStart();  // before any test runs the game
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
