// PlayMidi on the stand-ins: its call order, each failure with the globals it leaves,
// the search folder built from the working directory, and the shutdown's stop and releases.
#include <gtest/gtest.h>

#include <algorithm>

#include "audio/music.h"
#include "fake/call_log.h"
#include "fake/fake.h"
#include "fake/fake_sound.h"
#include "fake/fake_win32.h"
#include "shell/main_loop.h"
#include "shell/startup.h"

namespace {

// The calls of the sound and music stand-ins, the working directory and the message boxes.
std::vector<std::string> MusicCalls()
{
    std::vector<std::string> calls;
    for (const std::string& call : fake::Calls()) {
        for (const char* prefix : {"CoCreateInstance", "Loader.", "Performance.", "Segment.", "GetCurrentDirectoryA",
                                   "MessageBoxA"}) {
            if (call.rfind(prefix, 0) == 0) calls.push_back(call);
        }
    }
    return calls;
}

const std::string kMessageBox = "MessageBoxA(ptr, \"";
const std::string kBoxEnd = "\", \"\", OK)";

class PlayMidiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake::Install();
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = WndProc;
        windowClass.lpszClassName = "PlayMidiTest";
        RegisterClassA(&windowClass);
        g_hWnd = CreateWindowExA(0, "PlayMidiTest", "test", 0, 0, 0, 640, 480, nullptr, nullptr, nullptr, nullptr);
        fake::ClearCalls();
    }
    void TearDown() override
    {
        ReleaseFirstTuneLeftBehind();
        Cleanup();
        g_hWnd = nullptr;
        fake::Uninstall();
    }
    // The first tune plays: loader1, performance1 and segment1 in the globals.
    void PlayFirstTune()
    {
        ASSERT_EQ(PlayMidi("title.mid", 0, 1), S_OK);
        first_ = Globals();
        fake::ClearCalls();
    }
    // PlayMidi leaves the objects of the call before to the end of the process; the test
    // releases those of the first tune that the globals no longer hold.
    void ReleaseFirstTuneLeftBehind()
    {
        const std::vector<IUnknown*> held = Globals();
        for (IUnknown* object : first_)
            if (object && std::find(held.begin(), held.end(), object) == held.end()) object->Release();
        first_.clear();
    }
    static std::vector<IUnknown*> Globals() { return {g_musicLoader, g_musicPerformance, g_musicSegment}; }
    std::vector<IUnknown*> first_;
    static std::string Label(IUnknown* object)
    {
        if (!object) return "null";
        fake::ClearCalls();
        object->AddRef();
        object->Release();
        const std::string call = fake::Calls().back();
        fake::ClearCalls();
        return call.substr(call.find('(') + 1, call.size() - call.find('(') - 2);
    }
};

TEST_F(PlayMidiTest, MakesLoadsAndPlaysInOrder)
{
    const int initialised = com::InitializeCount();
    EXPECT_EQ(PlayMidi("title.mid", 0, 1), S_OK);
    const std::vector<std::string> expected = {
        "CoCreateInstance(DirectMusicLoader, its interface)",
        "CoCreateInstance(DirectMusicPerformance, its interface)",
        "Performance.InitAudio(performance1, null, null, null, SHARED_STEREOPLUSREVERB, 64, ALL, null)",
        "GetCurrentDirectoryA(260, ptr)",
        "Loader.SetSearchDirectory(loader1, DirectMusicAllTypes, \"D:\\play\\DATA\\snd\", FALSE)",
        "Loader.LoadObjectFromFile(loader1, DirectMusicSegment, IDirectMusicSegment8, \"title.mid\")",
        "Segment.Download(segment1, performance1)",
        "Segment.SetRepeats(segment1, REPEAT_INFINITE)",
        "Performance.PlaySegmentEx(performance1, segment1, null, null, 0x0, 0, null, null, null)",
    };
    EXPECT_EQ(MusicCalls(), expected);
    EXPECT_EQ(com::InitializeCount(), initialised + 1);
    EXPECT_EQ(Label(g_musicLoader), "loader1");
    EXPECT_EQ(Label(g_musicPerformance), "performance1");
    EXPECT_EQ(Label(g_musicSegment), "segment1");
}

TEST_F(PlayMidiTest, StopsTheTuneBeforeAndPlaysOnceWithoutRepeat)
{
    PlayFirstTune();
    EXPECT_EQ(PlayMidi("boss.mid", 1, 0), S_OK);
    const std::vector<std::string> calls = MusicCalls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls.front(), "Performance.StopEx(performance1, segment1, 0, 0x0)");
    EXPECT_EQ(calls[1], "CoCreateInstance(DirectMusicLoader, its interface)");
    EXPECT_EQ(fake::CallsStartingWith("Segment.SetRepeats").size(), 0u);
    EXPECT_EQ(calls.back(), "Performance.PlaySegmentEx(performance2, segment2, null, null, 0x0, 0, null, null, null)");
    // The previous set is left as it is: neither closed down nor released.
    EXPECT_EQ(fake::CallsStartingWith("Performance.CloseDown").size(), 0u);
    EXPECT_EQ(fake::CallsStartingWith("Performance.Release").size(), 0u);

    // Without the stop flag nothing is stopped.
    ReleaseFirstTuneLeftBehind();
    first_ = Globals();
    fake::ClearCalls();
    EXPECT_EQ(PlayMidi("ending.mid", 0, 1), S_OK);
    EXPECT_EQ(fake::CallsStartingWith("Performance.StopEx").size(), 0u);
}

TEST_F(PlayMidiTest, EachFailureShowsItsMessageAndLeavesTheGlobalsItsRowGives)
{
    struct Row {
        bool fake::MusicScript::*failure;
        const char* message;
        const char* loader;
        const char* performance;
        const char* segment;
        std::vector<std::string> releases;
    };
    const std::vector<Row> rows = {
        {&fake::MusicScript::failLoaderCreation, "DirectMusicLoader8 オブジェクトの作成に失敗しました。", "null",
         "performance1", "segment1", {}},
        {&fake::MusicScript::failPerformanceCreation, "DirectMusicPerformance オブジェクトの作成に失敗しました。",
         "null", "null", "segment1", {"Loader.Release(loader2)"}},
        {&fake::MusicScript::failInitAudio, "パフォーマンスの初期化に失敗しました。", "null", "null", "segment1",
         {"Performance.Release(performance2)", "Loader.Release(loader2)"}},
        {&fake::MusicScript::failLoadObject, "MIDIファイルの読み込みに失敗しました。", "null", "null", "null",
         {"Performance.Release(performance2)", "Loader.Release(loader2)"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message);
        fake::Install();
        PlayFirstTune();
        fake::MusicScripts().*row.failure = true;
        EXPECT_EQ(PlayMidi("stage01.mid", 1, 1), E_FAIL);
        const std::vector<std::string> calls = MusicCalls();
        ASSERT_FALSE(calls.empty());
        EXPECT_EQ(calls.front(), "Performance.StopEx(performance1, segment1, 0, 0x0)");  // stopped already
        EXPECT_EQ(calls.back(), kMessageBox + row.message + kBoxEnd);
        std::vector<std::string> releases;
        for (const std::string& call : calls)
            if (call.find(".Release(") != std::string::npos) releases.push_back(call);
        EXPECT_EQ(releases, row.releases);
        EXPECT_EQ(fake::CallsStartingWith("Performance.PlaySegmentEx").size(), 0u);
        EXPECT_EQ(Label(g_musicLoader), row.loader);
        EXPECT_EQ(Label(g_musicPerformance), row.performance);
        EXPECT_EQ(Label(g_musicSegment), row.segment);
        ReleaseFirstTuneLeftBehind();
        Cleanup();
    }
}

TEST_F(PlayMidiTest, BuildsTheSearchFolderFromTheWorkingDirectoryWhileItFits)
{
    // 250 characters and "\DATA\snd" fill the 260 characters with the terminator.
    const std::string fits = "/" + std::string(249, 'w');
    fake::SetCurrentDirectory(fits);
    EXPECT_EQ(PlayMidi("title.mid", 0, 1), S_OK);
    first_ = Globals();
    EXPECT_EQ(fake::CallsStartingWith("Loader.SetSearchDirectory").at(0),
              "Loader.SetSearchDirectory(loader1, DirectMusicAllTypes, \"" + fits + "\\DATA\\snd\", FALSE)");

    // One more character: the tune cannot be looked up, which is a failed load.
    fake::SetCurrentDirectory(fits + "w");
    fake::ClearCalls();
    EXPECT_EQ(PlayMidi("title.mid", 1, 1), E_FAIL);
    EXPECT_EQ(fake::CallsStartingWith("Loader.").size(), 1u);  // only the release
    EXPECT_EQ(MusicCalls().back(), kMessageBox + "MIDIファイルの読み込みに失敗しました。" + kBoxEnd);
    EXPECT_EQ(g_musicLoader, nullptr);
    EXPECT_EQ(g_musicPerformance, nullptr);
    EXPECT_EQ(g_musicSegment, nullptr);
}

TEST_F(PlayMidiTest, TheShutdownStopsAndReleasesTheLastTune)
{
    PlayFirstTune();
    ASSERT_EQ(PlayMidi("stage01.mid", 1, 1), S_OK);
    ReleaseFirstTuneLeftBehind();
    fake::ClearCalls();
    const int initialised = com::InitializeCount();
    PostQuitMessage(0);
    EXPECT_EQ(RunMainLoop(), 0);
    const std::vector<std::string> expected = {
        "Performance.StopEx(performance2, segment2, 0, 0x0)", "Performance.CloseDown(performance2)",
        "Segment.Release(segment2)", "Performance.Release(performance2)", "Loader.Release(loader2)"};
    EXPECT_EQ(MusicCalls(), expected);
    EXPECT_EQ(com::InitializeCount(), initialised - 1);
    EXPECT_EQ(g_musicLoader, nullptr);
    EXPECT_EQ(g_musicPerformance, nullptr);
    EXPECT_EQ(g_musicSegment, nullptr);
}

}  // namespace
