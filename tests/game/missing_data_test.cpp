// The real start-up on the stand-ins, through the title, the game start and the loading into
// the stage, with the real DATA folder less one file, for each of its files in turn: the
// game reaches the stage and quits cleanly whichever file is missing.
#include <unistd.h>

#include <filesystem>

#include "shell/startup_fixture.h"
#include "support/fresh_game.h"

namespace {

namespace fs = std::filesystem;

const fs::path kData = fs::path(VELTRANE_BUILD_DIR) / "DATA";

// Every file of DATA, relative to it.
std::vector<fs::path> DataFiles()
{
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kData))
        if (entry.is_regular_file() && entry.path().filename() != ".stamp")
            files.push_back(fs::relative(entry.path(), kData));
    return files;
}

class MissingDataTest : public StartupTest, public ::testing::WithParamInterface<fs::path> {
protected:
    // A working folder whose DATA links every file of the real one but the missing one.
    void SetUp() override
    {
        StartupTest::SetUp();
        ResetTitleState();
        folder_ = fs::temp_directory_path() / ("veltrane-missing-" + std::to_string(getpid()));
        fs::remove_all(folder_);
        for (const fs::path& file : DataFiles()) {
            if (file == GetParam()) continue;
            fs::create_directories((folder_ / "DATA" / file).parent_path());
            fs::create_symlink(kData / file, folder_ / "DATA" / file);
        }
        previous_ = fs::current_path();
        fs::current_path(folder_);
    }

    void TearDown() override
    {
        fs::current_path(previous_);
        fs::remove_all(folder_);
        tunes_.ReleaseAll();
        ReleaseGameWorld();
        StartupTest::TearDown();
    }

    // Runs the program: Enter in the second title frame, quit after three stage frames (or
    // after many frames, should the stage never come).
    int PlayIntoTheStage()
    {
        fake::SetPresentHook([this](int frame) {
            tunes_.Keep();
            if (frame == 1) fake::PressKey(VK_RETURN);
            const bool inStage = g_sceneFunc != TitleFrame && g_sceneFunc != StartGame && g_sceneFunc != LoadStage;
            if ((inStage && ++stageFrames_ == 3) || frame > 2000) fake::PostQuit(0);
        });
        return WinMain(kInstance, nullptr, const_cast<char*>(""), SW_SHOWDEFAULT);
    }

    fs::path folder_, previous_;
    KeptTunes tunes_;
    int stageFrames_ = 0;
};

}  // namespace

TEST_P(MissingDataTest, StillReachesTheStage)
{
    EXPECT_EQ(PlayIntoTheStage(), 0);
    EXPECT_EQ(stageFrames_, 3);
    // After the full-screen question, a missing model is named in a box at each load (both
    // walls load one file); nothing else missing shows one.
    const fs::path missing = GetParam();
    const std::vector<std::string> boxes = fake::CallsStartingWith("MessageBoxA");
    const size_t loads = missing.extension() != ".x" ? 0 : missing.filename() == "wall.x" ? 2 : 1;
    EXPECT_EQ(boxes.size(), 1 + loads);
    for (size_t box = 1; box < boxes.size(); ++box)
        EXPECT_NE(boxes[box].find("\"./DATA/" + missing.string() + "\""), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(EachFile, MissingDataTest, ::testing::ValuesIn(DataFiles()),
                         [](const ::testing::TestParamInfo<fs::path>& info) {
                             std::string name = info.param.string();
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

// The runs above are one per file of the generated folder: without it none would run.
TEST(MissingData, TheRealDataFolderIsThere)
{
    EXPECT_GE(DataFiles().size(), 44u);
}
