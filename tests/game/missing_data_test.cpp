// The real start-up on the stand-ins, through the title, the game start and the loading into
// the stage, with the real DATA folder less one file, for each of its files in turn: the
// game reaches the stage and quits cleanly whichever file is missing.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "core/scene.h"
#include "fake/call_log.h"
#include "fake/fake.h"
#include "fake/fake_d3d9.h"
#include "fake/fake_win32.h"
#include "fresh_game.h"
#include "input/joystick.h"
#include "shell/main_loop.h"
#include "shell/startup.h"

namespace {

namespace fs = std::filesystem;

const fs::path kData = fs::path(VELTRANE_BUILD_DIR) / "DATA";

// Stage frames presented before the test quits.
int s_stageFrames;
TunesLeftBehind* s_tunes;

bool InStage() { return g_sceneFunc != TitleFrame && g_sceneFunc != StartGame && g_sceneFunc != LoadStage; }

// One run of the program from a folder whose DATA lacks `missing` (relative to DATA).
int RunWithout(const fs::path& missing, TunesLeftBehind& tunes)
{
    const fs::path folder =
        fs::temp_directory_path() / ("veltrane-missing-" + std::to_string(getpid()));
    fs::remove_all(folder);
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kData)) {
        const fs::path relative = fs::relative(entry.path(), kData);
        if (!entry.is_regular_file() || relative == missing) continue;
        fs::create_directories((folder / "DATA" / relative).parent_path());
        fs::create_symlink(entry.path(), folder / "DATA" / relative);
    }
    const fs::path previous = fs::current_path();
    fs::current_path(folder);

    fake::Install();
    g_joystickPresent = 0;
    ResetTitleState();
    s_stageFrames = 0;
    s_tunes = &tunes;
    fake::SetPresentHook([](int frame) {
        if (g_sceneFunc == TitleFrame) s_tunes->Remember();
        if (frame == 2) fake::PressKey(VK_RETURN);
        if (InStage() && ++s_stageFrames == 3) fake::PostQuit(0);
        if (frame > 2000) fake::PostQuit(0);  // a run that never reaches the stage still ends
    });
    const int exitCode = WinMain(reinterpret_cast<HINSTANCE>(uintptr_t(0x400000)), nullptr,
                                 const_cast<char*>(""), SW_SHOWDEFAULT);

    fs::current_path(previous);
    fs::remove_all(folder);
    return exitCode;
}

void ForgetTheRun(TunesLeftBehind& tunes)
{
    tunes.ReleaseLeftBehind();
    ReleaseGameWorld();
    Cleanup();
    g_hWnd = nullptr;
    g_hInstance = nullptr;
    g_sceneFunc = nullptr;
    g_presentParams = {};
    fake::Uninstall();
}

}  // namespace

TEST(MissingData, EachFileMissingInTurnStillReachesTheStage)
{
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kData))
        if (entry.is_regular_file() && entry.path().filename() != ".stamp")
            files.push_back(fs::relative(entry.path(), kData));
    ASSERT_GE(files.size(), 40u);

    for (const fs::path& missing : files) {
        SCOPED_TRACE(missing.string());
        TunesLeftBehind tunes;
        const int exitCode = RunWithout(missing, tunes);
        EXPECT_EQ(exitCode, 0);
        EXPECT_EQ(s_stageFrames, 3);
        // After the full-screen question, a missing model is named in a box at each load (both
        // walls load one file); nothing else missing shows one.
        const std::vector<std::string> boxes = fake::CallsStartingWith("MessageBoxA");
        const size_t loads = missing.extension() != ".x" ? 0 : missing.filename() == "wall.x" ? 2 : 1;
        EXPECT_EQ(boxes.size(), 1 + loads);
        for (size_t box = 1; box < boxes.size(); ++box)
            EXPECT_NE(boxes[box].find("\"./DATA/" + missing.string() + "\""), std::string::npos);
        ForgetTheRun(tunes);
    }
}
