// fake::Install and Uninstall: every stand-in in place, scripts and record forgotten.
#include <gtest/gtest.h>

#include <functional>

#include "d3dx9.h"
#include "dinput.h"
#include "dmusici.h"
#include "dsound.h"
#include "fake/call_log.h"
#include "fake/fake.h"
#include "fake/fake_d3d9.h"
#include "fake/fake_win32.h"
#include "load_observer.h"

namespace {

// Each service, asked as the game asks it: true when an implementation answers.
struct Service {
    const char* name;
    std::function<bool()> answers;
};

bool Release(IUnknown* object)
{
    if (object) object->Release();
    return object != nullptr;
}

const Service kServices[] = {
    {"window system", [] { return win32::Installed(); }},
    {"DirectSound",
     [] {
         IDirectSound8* directSound = nullptr;
         DirectSoundCreate8(nullptr, &directSound, nullptr);
         return Release(directSound);
     }},
    {"Direct3D", [] { return Release(Direct3DCreate9(D3D_SDK_VERSION)); }},
    {"sprite",  // the real sprite refuses a missing device; the stand-in records the call first
     [] {
         ID3DXSprite* sprite = nullptr;
         D3DXCreateSprite(nullptr, &sprite);
         return !fake::CallsStartingWith("D3DXCreateSprite").empty();
     }},
    {"file loads", [] { return d3dx9::TheLoadObserver() != nullptr; }},
    {"DirectInput",
     [] {
         IDirectInput8A* directInput = nullptr;
         DirectInput8Create(nullptr, DIRECTINPUT_VERSION, IID_IDirectInput8A, reinterpret_cast<void**>(&directInput),
                            nullptr);
         return Release(directInput);
     }},
    {"DirectMusic",
     [] {
         IDirectMusicLoader8* loader = nullptr;
         CoCreateInstance(CLSID_DirectMusicLoader, nullptr, CLSCTX_INPROC, IID_IDirectMusicLoader8,
                          reinterpret_cast<void**>(&loader));
         return Release(loader);
     }},
};

TEST(FakeInstall, PutsEveryStandInInPlaceAndTakesThemAway)
{
    fake::Install();
    for (const Service& service : kServices) EXPECT_TRUE(service.answers()) << service.name << " after Install";
    fake::Uninstall();
    EXPECT_FALSE(fake::Calls().empty()) << "the record stays readable after Uninstall";
    fake::ClearCalls();
    for (const Service& service : kServices) EXPECT_FALSE(service.answers()) << service.name << " after Uninstall";
}

TEST(FakeInstall, ForgetsTheRecordAndEveryScript)
{
    {
        fake::Installed installed;
        fake::Record("Leftover()");
        fake::FailDirect3DCreate();
        fake::AnswerMessageBoxes({IDYES});
    }
    fake::Installed installed;
    EXPECT_TRUE(fake::Calls().empty());
    EXPECT_EQ(MessageBoxA(nullptr, "full screen?", "", MB_YESNO), IDNO);
    IDirect3D9* d3d = Direct3DCreate9(D3D_SDK_VERSION);
    ASSERT_NE(d3d, nullptr);
    d3d->Release();
    EXPECT_EQ(fake::Frame(), 0);
}

}  // namespace
