// The game controller on SDL's virtual joysticks, and on the DirectInput stand-in for the
// controller that cannot tell its capabilities.
#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "direct_input.h"
#include "sdl_joystick.h"
#include "fake/call_log.h"
#include "fake/fake_input.h"
#include "input/joystick.h"
#include "sdl_system.h"

namespace {

LRESULT CALLBACK QuietProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

class JoystickTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        win32::Install(std::make_unique<win32::SdlSystem>());
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = QuietProcedure;
        windowClass.lpszClassName = "JoystickTest";
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(0, "JoystickTest", "test", 0, 0, 0, 64, 64, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(window_, nullptr);
        SetFocus(window_);
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0);
        dinput::SetDirectInputFactory(dinput::CreateSdlDirectInput);
        g_joystickPresent = 0;
        fake::ClearCalls();
    }

    void TearDown() override
    {
        FreeDirectInput();
        for (SDL_Joystick* stick : opened_) SDL_JoystickClose(stick);
        for (int i = SDL_NumJoysticks() - 1; i >= 0; --i) SDL_JoystickDetachVirtual(i);
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        dinput::SetDirectInputFactory(nullptr);
        win32::Install(nullptr);
    }

    // A virtual controller, kept open by the test so it can move its sticks.
    SDL_Joystick* Attach(int axes, int buttons)
    {
        int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, axes, buttons, 0);
        EXPECT_GE(index, 0) << SDL_GetError();
        SDL_Joystick* stick = SDL_JoystickOpen(index);
        opened_.push_back(stick);
        return stick;
    }

    DIJOYSTATE Read()
    {
        DIJOYSTATE state = {};
        EXPECT_EQ(ReadJoystick(&state), DI_OK);
        return state;
    }

    HWND window_ = nullptr;
    std::vector<SDL_Joystick*> opened_;
};

TEST_F(JoystickTest, NoControllerIsNoErrorAndKeepsDirectInput)
{
    EXPECT_FALSE(InitDirectInput(window_));
    EXPECT_EQ(g_joystick, nullptr);
    EXPECT_EQ(g_joystickPresent, 0);
    EXPECT_NE(g_directInput, nullptr);
    FreeDirectInput();
    EXPECT_EQ(g_directInput, nullptr);
    FreeDirectInput();  // nothing left: does nothing
}

TEST_F(JoystickTest, TheFirstOfTwoControllersIsUsed)
{
    Attach(2, 4);
    Attach(6, 10);
    ASSERT_TRUE(InitDirectInput(window_));
    EXPECT_EQ(g_joystickPresent, 1);
    EXPECT_EQ(g_joystickCaps.dwSize, 44u);
    EXPECT_EQ(g_joystickCaps.dwAxes, 2u);
    EXPECT_EQ(g_joystickCaps.dwButtons, 4u);
}

TEST_F(JoystickTest, AxesReadMinusThousandToThousandAndButtonsAsBytes)
{
    SDL_Joystick* stick = Attach(2, 3);
    ASSERT_TRUE(InitDirectInput(window_));

    const struct {
        Sint16 raw;
        LONG expected;
    } positions[] = {{32767, 1000}, {-32768, -1000}, {0, 0}, {16384, 500}, {-16384, -500}};
    for (const auto& position : positions) {
        SDL_JoystickSetVirtualAxis(stick, 0, position.raw);
        SDL_JoystickSetVirtualAxis(stick, 1, Sint16(-position.raw - 1));
        DIJOYSTATE state = Read();
        EXPECT_EQ(state.lX, position.expected) << position.raw;
        EXPECT_NEAR(state.lY, -position.expected, 1) << position.raw;
    }

    SDL_JoystickSetVirtualButton(stick, 1, SDL_PRESSED);
    DIJOYSTATE state = Read();
    EXPECT_EQ(state.rgbButtons[0], 0);
    EXPECT_EQ(state.rgbButtons[1], 0x80);
    EXPECT_EQ(state.rgbButtons[2], 0);
}

TEST_F(JoystickTest, AReadAfterTheFocusReturnsAcquiresAgain)
{
    SDL_Joystick* stick = Attach(2, 1);
    ASSERT_TRUE(InitDirectInput(window_));
    SDL_JoystickSetVirtualAxis(stick, 0, 32767);

    SetFocus(nullptr);
    DIJOYSTATE state = {};
    state.lX = 1234;
    EXPECT_LT(ReadJoystick(&state), 0);
    EXPECT_EQ(state.lX, 1234) << "a failed read leaves the record alone";

    SetFocus(window_);
    EXPECT_EQ(ReadJoystick(&state), DI_OK);
    EXPECT_EQ(state.lX, 1000);
}

TEST_F(JoystickTest, AControllerWithoutCapabilitiesIsSkipped)
{
    fake::InstallInput({{"broken", false, true, 2}, {"good", false, false, 2}});
    ASSERT_TRUE(InitDirectInput(window_));
    EXPECT_EQ(g_joystickPresent, 1);
    const std::vector<std::string> expected = {
        "DirectInput8Create()",
        "DirectInput.EnumDevices(GAMECTRL, ALLDEVICES)",
        "DirectInput.CreateDevice(0)",
        "Joystick.GetCapabilities(\"broken\", 44)",
        "Joystick.Release(\"broken\")",
        "DirectInput.CreateDevice(1)",
        "Joystick.GetCapabilities(\"good\", 44)",
        "Joystick.SetDataFormat(\"c_dfDIJoystick\")",
        "Joystick.SetCooperativeLevel(ptr, NONEXCLUSIVE|FOREGROUND)",
        "Joystick.EnumObjects(\"good\", AXIS)",
        "Joystick.SetProperty(RANGE)(24, 16, 2, BYID, -1000, 1000)",
        "Joystick.SetProperty(RANGE)(24, 16, 258, BYID, -1000, 1000)",
        "Joystick.SetProperty(AXISMODE)(20, 16, 0, DEVICE, ABS)",
        "Joystick.Poll(\"good\")",
        "Joystick.Acquire(\"good\")",
    };
    EXPECT_EQ(fake::Calls(), expected);

    fake::ClearCalls();
    FreeDirectInput();
    const std::vector<std::string> released = {"Joystick.Unacquire(\"good\")", "Joystick.Release(\"good\")",
                                               "DirectInput.Release()"};
    EXPECT_EQ(fake::Calls(), released);
}

TEST(AxisScaling, RoundsIntoTheRange)
{
    EXPECT_EQ(dinput::ScaleAxis(-32768, -1000, 1000), -1000);
    EXPECT_EQ(dinput::ScaleAxis(32767, -1000, 1000), 1000);
    EXPECT_EQ(dinput::ScaleAxis(0, 0, 65535), 32768);
}

}  // namespace
