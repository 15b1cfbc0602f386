// Under the address sanitizer, leaks inside Mesa can be named (and so suppressed through
// tests/lsan.supp) only while Mesa's driver is still mapped when the process ends; SDL
// unloads it with the last OpenGL window. So sanitizer builds hold one load of the OpenGL
// library for the whole test run.
#include <SDL.h>
#include <gtest/gtest.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELTRANE_ADDRESS_SANITIZER
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define VELTRANE_ADDRESS_SANITIZER
#endif

#if defined(VELTRANE_ADDRESS_SANITIZER)
namespace {

class KeepOpenGlLoaded : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) SDL_GL_LoadLibrary(nullptr);
    }
};

const auto* const g_keepOpenGlLoaded = ::testing::AddGlobalTestEnvironment(new KeepOpenGlLoaded);

}  // namespace
#endif
