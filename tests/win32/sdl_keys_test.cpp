// SDL keys to the Windows virtual-key codes the game asks about.
#include <SDL.h>
#include <gtest/gtest.h>

#include "sdl_system.h"

namespace {

using win32::VirtualKeyFromSdl;

TEST(VirtualKeyFromSdl, LettersAndDigitsAreTheirCapitals)
{
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_a), 'A');
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_z), 'Z');
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_g), 'G');
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_0), '0');
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_9), '9');
}

TEST(VirtualKeyFromSdl, GameKeysHaveTheirWindowsCodes)
{
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_ESCAPE), 0x1B);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_RETURN), 0x0D);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_KP_ENTER), 0x0D);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_SPACE), 0x20);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_LEFT), 0x25);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_UP), 0x26);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_RIGHT), 0x27);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_DOWN), 0x28);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_RSHIFT), 0x10);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_LCTRL), 0x11);
}

TEST(VirtualKeyFromSdl, KeysTheGameNeverAsksAboutGiveZero)
{
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_F1), 0);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_KP_5), 0);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_UNKNOWN), 0);
}

}  // namespace
