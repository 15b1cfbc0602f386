// The test program's entry: the environment every test expects, whether run by ctest or
// by hand (headless video and audio, where the real-world test files and the build are).
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("VELTRANE_TESTDATA", VELTRANE_TESTDATA_DIR, 0);
    setenv("VELTRANE_SOURCE", VELTRANE_SOURCE_DIR, 0);
    setenv("VELTRANE_BUILD", VELTRANE_BUILD_DIR, 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
