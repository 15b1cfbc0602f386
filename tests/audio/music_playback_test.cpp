// PlayMidi with the real DirectMusic on a mixer the test renders, the window system
// stood in: the tune is found through the working directory and heard, the stop flag
// silences the tune before, and without it both tunes sound.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "audio/music.h"
#include "fake/call_log.h"
#include "fake/fake.h"
#include "fake/fake_win32.h"
#include "midi_bytes.h"
#include "music_classes.h"
#include "riff_bytes.h"
#include "shell/main_loop.h"
#include "shell/startup.h"
#include "synth_pool.h"

using namespace test_audio;

namespace {

class MusicPlayback : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake::Install();
        dmusic::RegisterClasses([this] { return mixer_; }, dmusic::kSoundFontPath);
        const std::filesystem::path tune = WriteTemp("DATA/snd/tune.mid", HeldNote());
        WriteTemp("DATA/snd/rest.mid", Smf(0, {Track({EndOfTrack(480)})}));
        fake::SetCurrentDirectory(tune.parent_path().parent_path().parent_path().string());
    }
    void TearDown() override
    {
        for (IUnknown* object : leftBehind_) object->Release();
        Cleanup();
        fake::Uninstall();
    }
    // PlayMidi leaves the previous call's objects to the end of the process.
    void KeepLeftBehind()
    {
        for (IUnknown* object : {static_cast<IUnknown*>(g_musicLoader), static_cast<IUnknown*>(g_musicPerformance),
                                 static_cast<IUnknown*>(g_musicSegment)})
            if (object) leftBehind_.push_back(object);
    }
    // One tune plays; a second starts with the stop flag given, then only the second stops.
    void PlaySecondTuneAndStopIt(uint8_t stop)
    {
        ASSERT_EQ(PlayMidi("tune.mid", 0, 1), S_OK);
        Peak();
        KeepLeftBehind();
        ASSERT_EQ(PlayMidi("tune.mid", stop, 1), S_OK);
        g_musicPerformance->StopEx(g_musicSegment, 0, 0);
    }
    // The loudest sample of the left channel over the next tenth of a second.
    int16_t Peak()
    {
        std::vector<int16_t> out(4410 * 2);
        mixer_->Render(out.data(), 4410);
        int16_t peak = 0;
        for (size_t i = 0; i < out.size(); i += 2) peak = std::max<int16_t>(peak, int16_t(std::abs(out[i])));
        return peak;
    }

    std::shared_ptr<dsound::Mixer> mixer_ = std::make_shared<dsound::Mixer>(44100);
    std::vector<IUnknown*> leftBehind_;
};

TEST_F(MusicPlayback, TheTuneIsFoundInTheWorkingDirectoryAndHeard)
{
    EXPECT_EQ(Peak(), 0);
    ASSERT_EQ(PlayMidi("tune.mid", 0, 1), S_OK);
    EXPECT_GT(Peak(), 300);
    EXPECT_TRUE(fake::CallsStartingWith("MessageBoxA").empty());
}

TEST_F(MusicPlayback, TheStopFlagSilencesTheTuneBefore)
{
    PlaySecondTuneAndStopIt(1);
    EXPECT_EQ(Peak(), 0);
}

TEST_F(MusicPlayback, WithoutTheStopFlagBothTunesSound)
{
    PlaySecondTuneAndStopIt(0);
    EXPECT_GT(Peak(), 300);  // the first goes on
}

// As a run starts its tunes, each stopping the one before: the stopped tune's synthesiser
// goes to the next, and comes to it silent though the tune it played was cut off mid-note.
TEST_F(MusicPlayback, TunesStartedInTurnShareOneSynthesiser)
{
    ASSERT_EQ(PlayMidi("tune.mid", 0, 1), S_OK);
    EXPECT_GT(Peak(), 300);
    for (int tune = 0; tune < 3; ++tune) {
        KeepLeftBehind();
        ASSERT_EQ(PlayMidi("rest.mid", 1, 1), S_OK);
        EXPECT_EQ(Peak(), 0);
    }
    EXPECT_EQ(dmusic::LiveSynthesisers(), 1u);
}

TEST_F(MusicPlayback, AMissingTuneShowsItsMessageAndTheGameGoesOnInSilence)
{
    EXPECT_EQ(PlayMidi("missing.mid", 0, 1), E_FAIL);
    EXPECT_EQ(fake::CallsStartingWith("MessageBoxA").at(0),
              "MessageBoxA(null, \"MIDIファイルの読み込みに失敗しました。\", \"\", OK)");
    EXPECT_EQ(g_musicSegment, nullptr);
    EXPECT_EQ(Peak(), 0);
}

}  // namespace
