// The test program's entry: the environment every test expects, whether run by ctest or
// by hand (headless video and audio, where the real-world test files and the build are).
#include <gtest/gtest.h>

#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

int main(int argc, char** argv)
{
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("VELTRANE_TESTDATA", VELTRANE_TESTDATA_DIR, 0);
    setenv("VELTRANE_SOURCE", VELTRANE_SOURCE_DIR, 0);
    setenv("VELTRANE_BUILD", VELTRANE_BUILD_DIR, 0);
    ::testing::InitGoogleTest(&argc, argv);
    int result = RUN_ALL_TESTS();
#if defined(__SANITIZE_ADDRESS__)
    // Look for leaks now, while Mesa's worker threads are idle: the check that would run
    // at exit races their teardown and can crash the leak checker itself.
    __lsan_do_leak_check();
#endif
    return result;
}
