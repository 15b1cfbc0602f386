// The start-up: every call in order with its arguments, and each row of its failure table.
#include "shell/startup_fixture.h"

#include <algorithm>

#include "input/joystick.h"

namespace {

const char kQuestion[] =
    "フルスクリーンで実行しますか？\nいいえを選んだ場合ウィンドウモードで実行します。\n\n(フルスクリーン推奨)";
const char kHardwareCaution[] = "ﾊｰﾄﾞｳｪｱでのﾃﾞﾊﾞｲｽの作成に失敗しました。\n処理速度が低下する恐れがあります。";
const char kSoftwareCaution[] =
    "ｿﾌﾄｳｪｱでのﾃﾞﾊﾞｲｽの作成に失敗しました。\nさらに処理速度が低下する恐れがあります。";

std::string Box(const char* owner, const std::string& text, const std::string& caption, const char* type)
{
    return fake::Call("MessageBoxA", fake::Label{owner}, text, caption, fake::Label{type});
}

std::string Texture(const char* file, int width, int height)
{
    return fake::Call("D3DXCreateTextureFromFileExA", file, width, height, 1, 0, fake::Label{"UNKNOWN"},
                      fake::Label{"MANAGED"}, fake::Label{"NONE"}, fake::Label{"DEFAULT"}, fake::Hex{0xFF000000});
}

// Everything from the Direct3D object to the timer, as a window-mode start-up makes it.
std::vector<std::string> DeviceToTimer(const std::string& createDevice)
{
    return {
        "Direct3DCreate9(31)",
        "GetAdapterDisplayMode(0)",
        createDevice,
        "D3DXCreateSprite(ptr)",
        Texture("./DATA/pic/scoreboad.bmp", 640, 480),
        Texture("./DATA/pic/Title.bmp", 640, 1024),
        Texture("./DATA/pic/game.bmp", 1024, 512),
        Texture("./DATA/pic/ABC012.bmp", 512, 512),
        Texture("./DATA/pic/endscr.bmp", 512, 1024),
        "SetRenderState(ZENABLE, TRUE)",
        "SetRenderState(ZWRITEENABLE, TRUE)",
        "SetRenderState(ALPHABLENDENABLE, TRUE)",
        "SetRenderState(SRCBLEND, SRCALPHA)",
        "SetRenderState(DESTBLEND, INVSRCALPHA)",
        "SetTextureStageState(0, ALPHAOP, MODULATE)",
        "SetTextureStageState(0, ALPHAARG1, TEXTURE)",
        "SetTextureStageState(0, ALPHAARG2, DIFFUSE)",
        "SetTextureStageState(0, COLOROP, MODULATE)",
        "SetRenderState(CULLMODE, NONE)",
        "SetSamplerState(0, MIPFILTER, LINEAR)",
        "SetSamplerState(0, MINFILTER, LINEAR)",
        "SetSamplerState(0, MAGFILTER, LINEAR)",
        "SetRenderState(LIGHTING, TRUE)",
        "SetFVF(XYZ|DIFFUSE|TEX1)",
        "DirectInput8Create()",
        "DirectInput.EnumDevices(GAMECTRL, ALLDEVICES)",
        "timeBeginPeriod(1)",
    };
}

// The CreateDevice line of one attempt, with the parameters the start-up fills in.
std::string Device(const char* type, const char* vertexProcessing, const char* format = "X8R8G8B8",
                   const char* windowed = "TRUE")
{
    return std::string("CreateDevice(0, ") + type + ", ptr, " + vertexProcessing + ", {640, 480, " + format +
           ", 0, NONE, 0, FLIP, null, " + windowed + ", TRUE, D16, LOCKABLE_BACKBUFFER, 0, DEFAULT})";
}
const std::string kWindowedDevice = Device("HAL", "HARDWARE_VERTEXPROCESSING");

std::vector<std::string> Slice(const std::vector<std::string>& calls, const std::string& from, const std::string& to)
{
    auto begin = std::find(calls.begin(), calls.end(), from);
    auto end = std::find(begin, calls.end(), to);
    return end == calls.end() ? std::vector<std::string>{} : std::vector<std::string>(begin, end + 1);
}

TEST_F(StartupTest, WindowModeMakesEverythingInOrder)
{
    EXPECT_EQ(RunGame(), 0);
    const std::vector<std::string> calls = Outline();

    const std::vector<std::string> window = {
        "RegisterClassA(\"Generic Game SDK Window\", DBLCLKS, ptr)",
        "CreateWindowExA(0, \"Generic Game SDK Window\", \"Veltrane\", OVERLAPPEDWINDOW, USEDEFAULT, USEDEFAULT, "
        "640, 480, null, null, ptr)",
        Box("ptr", kQuestion, "スクリーン設定", "YESNO"),
        "ShowWindow(ptr, SHOWDEFAULT)",
        "UpdateWindow(ptr)",
        "SetFocus(ptr)",
        "DirectSoundCreate8(null, null)",
        "DirectSound.SetCooperativeLevel(ptr, PRIORITY)",
        "DirectSound.CreateSoundBuffer({40, PRIMARYBUFFER|CTRLVOLUME, 0, 0}, null, null)",
    };
    ASSERT_GE(calls.size(), window.size());
    EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + window.size()), window);

    EXPECT_EQ(Slice(calls, "Direct3DCreate9(31)", "timeBeginPeriod(1)"), DeviceToTimer(kWindowedDevice));

    const WNDCLASSA& windowClass = fake::WindowSystem().lastClass;
    EXPECT_EQ(windowClass.lpfnWndProc, WndProc);
    EXPECT_EQ(windowClass.hInstance, kInstance);
    EXPECT_EQ(windowClass.hIcon, LoadIconA(nullptr, IDI_APPLICATION));
    EXPECT_EQ(windowClass.hCursor, LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(windowClass.hbrBackground, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(windowClass.lpszMenuName, nullptr);
    EXPECT_EQ(windowClass.cbClsExtra, 0);
    EXPECT_EQ(windowClass.cbWndExtra, 0);
    EXPECT_FALSE(Called("ShowCursor"));
    EXPECT_EQ(g_hInstance, kInstance);
    EXPECT_EQ(fake::WindowSystem().CursorCount(), 0);
}

TEST_F(StartupTest, TheSevenEffectsLoadInOrderWithTheirVolumes)
{
    RunGame();
    const std::vector<std::string> effects = fake::CallsStartingWith(
        "DirectSound.CreateSoundBuffer({40, CTRLVOLUME|GLOBALFOCUS|GETCURRENTPOSITION2|LOCDEFER, ");
    EXPECT_EQ(effects.size(), 7u);
    const std::vector<std::string> volumes = {
        "SoundBuffer.SetVolume(sound1, -1400)", "SoundBuffer.SetVolume(sound2, -1000)",
        "SoundBuffer.SetVolume(sound3, 0)",     "SoundBuffer.SetVolume(sound4, 0)",
        "SoundBuffer.SetVolume(sound5, 0)",     "SoundBuffer.SetVolume(sound6, 0)",
        "SoundBuffer.SetVolume(sound7, 0)",
    };
    EXPECT_EQ(fake::CallsStartingWith("SoundBuffer.SetVolume"), volumes);
    // Between the primary buffer and the Direct3D object.
    const std::vector<std::string> calls = Outline();
    auto primary = std::find(calls.begin(), calls.end(),
                             "DirectSound.CreateSoundBuffer({40, PRIMARYBUFFER|CTRLVOLUME, 0, 0}, null, null)");
    auto direct3d = std::find(calls.begin(), calls.end(), "Direct3DCreate9(31)");
    auto lastVolume = std::find(calls.begin(), calls.end(), volumes.back());
    EXPECT_LT(primary, lastVolume);
    EXPECT_LT(lastVolume, direct3d);
}

TEST_F(StartupTest, AnEffectThatFailsStaysNullWithoutVolumeOrMessage)
{
    fake::SoundScripts().failSecondaryBuffers = {2};  // the shot
    static bool s_shotMissing;
    s_shotMissing = false;
    fake::SetPresentHook([](int) {
        s_shotMissing = g_sndShot == nullptr && g_sndEnter != nullptr && g_sndEnemyDie != nullptr;
        fake::PostQuit(0);
    });
    WinMain(kInstance, nullptr, const_cast<char*>(""), SW_SHOWDEFAULT);
    EXPECT_TRUE(s_shotMissing);
    const std::vector<std::string> volumes = {
        "SoundBuffer.SetVolume(sound1, -1400)", "SoundBuffer.SetVolume(sound3, 0)",
        "SoundBuffer.SetVolume(sound4, 0)",     "SoundBuffer.SetVolume(sound5, 0)",
        "SoundBuffer.SetVolume(sound6, 0)",     "SoundBuffer.SetVolume(sound7, 0)",
    };
    EXPECT_EQ(fake::CallsStartingWith("SoundBuffer.SetVolume"), volumes);
    EXPECT_EQ(fake::CallsStartingWith("MessageBoxA").size(), 1u);  // the question only
}

TEST_F(StartupTest, FullScreenHidesTheCursorAndAsksForX8R8G8B8)
{
    fake::AnswerMessageBoxes({IDYES});
    fake::SetDisplayMode({1280, 1024, 75, D3DFMT_R5G6B5});
    RunGame();
    const std::vector<std::string> calls = Outline();
    const std::vector<std::string> shown = {"ShowWindow(ptr, SHOWDEFAULT)", "UpdateWindow(ptr)", "SetFocus(ptr)",
                                            "ShowCursor(FALSE)", "DirectSoundCreate8(null, null)"};
    EXPECT_EQ(Slice(calls, "ShowWindow(ptr, SHOWDEFAULT)", "DirectSoundCreate8(null, null)"), shown);
    EXPECT_FALSE(Called("GetAdapterDisplayMode"));
    EXPECT_TRUE(Called(Device("HAL", "HARDWARE_VERTEXPROCESSING", "X8R8G8B8", "FALSE")));
    EXPECT_EQ(g_presentParams.Windowed, FALSE);
    EXPECT_EQ(g_presentParams.BackBufferFormat, D3DFMT_X8R8G8B8);
}

TEST_F(StartupTest, WindowModeTakesTheDesktopFormat)
{
    fake::SetDisplayMode({1280, 1024, 75, D3DFMT_R5G6B5});
    RunGame();
    EXPECT_TRUE(Called(Device("HAL", "HARDWARE_VERTEXPROCESSING", "R5G6B5")));
    EXPECT_EQ(fake::WindowSystem().CursorCount(), 0);
}

TEST_F(StartupTest, NoWindowEndsAtOnceWithoutAMessage)
{
    fake::FailCreateWindow();
    EXPECT_EQ(RunGame(), 0);
    const std::vector<std::string> expected = {
        "RegisterClassA(\"Generic Game SDK Window\", DBLCLKS, ptr)",
        "CreateWindowExA(0, \"Generic Game SDK Window\", \"Veltrane\", OVERLAPPEDWINDOW, USEDEFAULT, USEDEFAULT, "
        "640, 480, null, null, ptr)",
    };
    EXPECT_EQ(fake::Calls(), expected);
}

TEST_F(StartupTest, NoDirectSoundEndsWithItsBoxAndNoShutdown)
{
    fake::SoundScripts().failDirectSoundCreate = true;
    EXPECT_EQ(RunGame(), 0);
    const std::vector<std::string> calls = fake::Calls();
    EXPECT_EQ(calls.back(), Box("ptr", "DirectSound オブジェクトの作成に失敗しました。", "", "ICONHAND"));
    EXPECT_FALSE(Called("Direct3DCreate9"));
    EXPECT_FALSE(Called("timeEndPeriod"));
}

// The cooperative level and the primary buffer fail softly: the start-up goes on to its
// end, and the loop takes the quit message before any scene runs, then shuts down.
void ExpectSoftFailure(const std::string& box)
{
    const std::vector<std::string> calls = fake::Calls();
    auto shown = std::find(calls.begin(), calls.end(), box);
    ASSERT_NE(shown, calls.end());
    EXPECT_EQ(*(shown + 1), "PostQuitMessage(0)");
    auto timer = std::find(calls.begin(), calls.end(), "timeBeginPeriod(1)");
    ASSERT_NE(timer, calls.end());
    EXPECT_EQ(*(timer + 1), "timeEndPeriod(1)") << "no scene ran between the start-up and the shutdown";
    EXPECT_TRUE(std::find(calls.begin(), calls.end(), "DirectInput8Create()") < timer);
    EXPECT_EQ(fake::Frame(), 0);
    EXPECT_EQ(calls.back(), "DirectInput.Release()");
    EXPECT_TRUE(fake::CallsStartingWith("Performance").empty()) << "no title, so no tune";
}

TEST_F(StartupTest, RefusedCooperativeLevelRunsTheStartUpThenShutsDown)
{
    fake::SoundScripts().failCooperativeLevel = true;
    EXPECT_EQ(RunGame(), 0);
    ExpectSoftFailure(Box("ptr", "DirectSound の協調レベルの設定に失敗しました。", "", "ICONHAND"));
    EXPECT_TRUE(Called("CreateDevice"));
    EXPECT_EQ(fake::CallsStartingWith("D3DXCreateTextureFromFileExA").size(), 5u);
}

TEST_F(StartupTest, MissingPrimaryBufferRunsTheStartUpThenShutsDown)
{
    fake::SoundScripts().failPrimaryBuffer = true;
    EXPECT_EQ(RunGame(), 0);
    ExpectSoftFailure(Box("ptr", "プライマリ・サウンド・バッファの作成に失敗しました。", "", "ICONHAND"));
}

TEST_F(StartupTest, NoDirect3DEndsWithAnOwnerlessErrorBox)
{
    fake::FailDirect3DCreate();
    EXPECT_EQ(RunGame(), 0);
    EXPECT_EQ(fake::Calls().back(), Box("null", "Direct3D の作成に失敗しました。", "ERROR", "ICONHAND"));
}

TEST_F(StartupTest, HardwareRefusedShowsOneCautionAndUsesSoftwareVertexProcessing)
{
    fake::FailCreateDevice({1});
    EXPECT_EQ(RunGame(), 0);
    const std::vector<std::string> devices = {
        kWindowedDevice,
        Device("HAL", "SOFTWARE_VERTEXPROCESSING"),
    };
    EXPECT_EQ(fake::CallsStartingWith("CreateDevice"), devices);
    const std::vector<std::string> boxes = {Box("ptr", kQuestion, "スクリーン設定", "YESNO"),
                                            Box("ptr", kHardwareCaution, "注意", "OK")};
    EXPECT_EQ(fake::CallsStartingWith("MessageBoxA"), boxes);
    EXPECT_EQ(fake::Frame(), 1) << "the game runs";
}

TEST_F(StartupTest, AllThreeDevicesRefusedEndsWithTheErrorBox)
{
    fake::FailCreateDevice({1, 2, 3});
    EXPECT_EQ(RunGame(), 0);
    const std::vector<std::string> tail = {
        kWindowedDevice,
        Box("ptr", kHardwareCaution, "注意", "OK"),
        Device("HAL", "SOFTWARE_VERTEXPROCESSING"),
        Box("ptr", kSoftwareCaution, "注意", "OK"),
        Device("REF", "SOFTWARE_VERTEXPROCESSING"),
        Box("null", "DirectX9が初期化できません。\n未対応のパソコンと思われます。", "ERROR", "ICONHAND"),
        "Direct3D.Release()",
    };
    const std::vector<std::string> calls = Outline();
    ASSERT_GE(calls.size(), tail.size());
    EXPECT_EQ(std::vector<std::string>(calls.end() - tail.size(), calls.end()), tail);
    EXPECT_EQ(g_d3d, nullptr);
    EXPECT_FALSE(Called("timeBeginPeriod"));
}

TEST_F(StartupTest, NoControllerIsNoError)
{
    EXPECT_EQ(RunGame(3), 0);
    EXPECT_EQ(g_joystickPresent, 0);
    EXPECT_EQ(fake::Frame(), 3);
}

}  // namespace
