// DirectMusic on FluidSynth with the General MIDI SoundFont, rendered through a mixer the
// test drives: a tune sounds, loops without a gap, plays once when asked, and stops at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "dmusici.h"
#include "midi_bytes.h"
#include "music_classes.h"
#include "riff_bytes.h"

using namespace test_audio;

namespace {

constexpr int kRate = 44100;

// Root mean square of the left channel over [from, to) seconds of the rendered sound.
double Rms(const std::vector<int16_t>& stereo, double from, double to)
{
    double sum = 0;
    const size_t first = size_t(from * kRate), last = size_t(to * kRate);
    for (size_t i = first; i < last; ++i) sum += double(stereo[2 * i]) * stereo[2 * i];
    return std::sqrt(sum / double(last - first));
}

template <class T>
T* Create(REFCLSID clsid, REFIID iid)
{
    void* object = nullptr;
    EXPECT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC, iid, &object), S_OK);
    return static_cast<T*>(object);
}

class Performance : public ::testing::Test {
protected:
    void SetUp() override
    {
        dmusic::RegisterClasses([this] { return mixer_; }, dmusic::kSoundFontPath);
        loader_ = Create<IDirectMusicLoader8>(CLSID_DirectMusicLoader, IID_IDirectMusicLoader8);
        performance_ = Create<IDirectMusicPerformance8>(CLSID_DirectMusicPerformance, IID_IDirectMusicPerformance8);
        ASSERT_EQ(performance_->InitAudio(nullptr, nullptr, nullptr, DMUS_APATH_SHARED_STEREOPLUSREVERB, 64,
                                          DMUS_AUDIOF_ALL, nullptr),
                  S_OK);
    }
    void TearDown() override
    {
        if (segment_) segment_->Release();
        performance_->CloseDown();
        performance_->Release();
        loader_->Release();
        com::UnregisterAllClasses();
    }
    // Loads the tune through the search folder, given as the game gives it.
    HRESULT Load(const MidiBytes& tune)
    {
        const std::string path = WriteTemp("tune.mid", tune);
        const std::string folder = path.substr(0, path.rfind('/'));
        std::u16string wideFolder;
        for (char c : folder) wideFolder += c == '/' ? u'\\' : char16_t(c);
        loader_->SetSearchDirectory(GUID_DirectMusicAllTypes, wideFolder.c_str(), FALSE);
        return loader_->LoadObjectFromFile(CLSID_DirectMusicSegment, IID_IDirectMusicSegment8, u"tune.mid",
                                           reinterpret_cast<void**>(&segment_));
    }
    void Play(DWORD repeats)
    {
        ASSERT_EQ(Load(HeldNote()), S_OK);
        ASSERT_EQ(segment_->Download(performance_), S_OK);
        segment_->SetRepeats(repeats);
        ASSERT_EQ(performance_->PlaySegmentEx(segment_, nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr), S_OK);
    }
    std::vector<int16_t> Render(double seconds)
    {
        std::vector<int16_t> out(size_t(seconds * kRate) * 2);
        mixer_->Render(out.data(), int(out.size() / 2));
        return out;
    }

    std::shared_ptr<dsound::Mixer> mixer_ = std::make_shared<dsound::Mixer>(kRate);
    IDirectMusicLoader8* loader_ = nullptr;
    IDirectMusicPerformance8* performance_ = nullptr;
    IDirectMusicSegment8* segment_ = nullptr;
};

TEST_F(Performance, LoopsATuneWithoutAGap)
{
    Play(DMUS_SEG_REPEAT_INFINITE);
    const std::vector<int16_t> heard = Render(1.6);
    const double held = Rms(heard, 0.2, 0.45);
    EXPECT_GT(held, 100.0);  // the note sounds
    // Through two loop points (0.5 and 1.0 s) no 10 ms stretch falls below half the level.
    for (double at = 0.05; at < 1.55; at += 0.01) EXPECT_GT(Rms(heard, at, at + 0.01), held / 2) << "at " << at;
}

TEST_F(Performance, PlaysOnceWithoutRepeatsAndRingsOut)
{
    Play(0);
    const std::vector<int16_t> heard = Render(3.0);
    EXPECT_GT(Rms(heard, 0.2, 0.45), 100.0);
    EXPECT_GT(Rms(heard, 0.5, 0.6), 10.0);  // the release and the reverberation after the end
    EXPECT_LT(Rms(heard, 1.5, 3.0), 1.0);
}

TEST_F(Performance, RepeatsAsOftenAsAsked)
{
    Play(1);
    const std::vector<int16_t> heard = Render(3.0);
    EXPECT_GT(Rms(heard, 0.6, 0.95), 100.0);  // the second play
    EXPECT_LT(Rms(heard, 1.2, 1.45), 30.0);   // no third: only the ring after the end
}

// Tunes that the checks let through but the synthesiser's player cannot loop: each would
// have it restart the file without end inside one render.
TEST_F(Performance, ATuneThatLastsNoTimePlaysOnceThoughAskedToLoop)
{
    ASSERT_EQ(Load(Smf(1, {Track({Event(0, {0xC0, 19}), Event(0, {0x90, 60, 100}), EndOfTrack(0)}), Track({})})),
              S_OK);
    segment_->SetRepeats(DMUS_SEG_REPEAT_INFINITE);
    ASSERT_EQ(performance_->PlaySegmentEx(segment_, nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr), S_OK);
    EXPECT_GT(Rms(Render(0.2), 0.0, 0.2), 100.0);  // its note was started, once
}

TEST_F(Performance, ATuneThePlayerCannotReadIsSilentThoughAskedToLoop)
{
    // A tempo of two bytes in place of three.
    ASSERT_EQ(Load(Smf(0, {Track({Event(0, {0xFF, 0x51, 2, 7, 0xA1}), Event(0, {0x90, 60, 100}), EndOfTrack(480)})})),
              S_OK);
    segment_->SetRepeats(DMUS_SEG_REPEAT_INFINITE);
    ASSERT_EQ(performance_->PlaySegmentEx(segment_, nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr), S_OK);
    const std::vector<int16_t> heard = Render(0.2);
    EXPECT_EQ(std::count(heard.begin(), heard.end(), 0), long(heard.size()));
}

TEST_F(Performance, StopsAtOnceAndOnlyForTheSegmentThatPlays)
{
    Play(DMUS_SEG_REPEAT_INFINITE);
    Render(0.3);
    IDirectMusicSegment8* other = Create<IDirectMusicSegment8>(CLSID_DirectMusicSegment, IID_IDirectMusicSegment8);
    EXPECT_EQ(performance_->StopEx(other, 0, 0), S_OK);
    EXPECT_GT(Rms(Render(0.1), 0, 0.1), 100.0);
    other->Release();

    EXPECT_EQ(performance_->StopEx(segment_, 0, 0), S_OK);
    const std::vector<int16_t> heard = Render(0.5);
    EXPECT_EQ(std::count(heard.begin(), heard.end(), 0), long(heard.size()));

    // Played again, it sounds again.
    ASSERT_EQ(performance_->PlaySegmentEx(segment_, nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr), S_OK);
    EXPECT_GT(Rms(Render(0.3), 0.1, 0.3), 100.0);
}

// The synthesiser is rendered while a tune sounds: not once the tune has stopped, nor
// once a tune that ended by itself has fallen quiet.
TEST_F(Performance, RendersTheSynthesiserOnlyWhileATuneSounds)
{
    const auto* performance = dynamic_cast<const dmusic::Performance*>(performance_);
    Play(0);  // half a second of note, once
    Render(1.0);
    EXPECT_EQ(performance->FramesRendered(), uint64_t(kRate));  // the end rings out
    Render(4.0);
    const uint64_t ended = performance->FramesRendered();
    EXPECT_LT(ended, uint64_t(5 * kRate));
    Render(1.0);
    EXPECT_EQ(performance->FramesRendered(), ended);

    segment_->SetRepeats(DMUS_SEG_REPEAT_INFINITE);
    ASSERT_EQ(performance_->PlaySegmentEx(segment_, nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr), S_OK);
    Render(0.5);
    EXPECT_EQ(performance->FramesRendered(), ended + kRate / 2);
    EXPECT_EQ(performance_->StopEx(segment_, 0, 0), S_OK);
    Render(1.0);
    EXPECT_EQ(performance->FramesRendered(), ended + kRate / 2);
}

TEST_F(Performance, AfterCloseDownNothingPlays)
{
    Play(DMUS_SEG_REPEAT_INFINITE);
    EXPECT_EQ(performance_->CloseDown(), S_OK);
    const std::vector<int16_t> heard = Render(0.1);
    EXPECT_EQ(std::count(heard.begin(), heard.end(), 0), long(heard.size()));
    EXPECT_EQ(performance_->PlaySegmentEx(segment_, nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr),
              DMUS_E_NOT_INIT);
    EXPECT_EQ(segment_->Download(performance_), DMUS_E_NOT_INIT);
    EXPECT_EQ(performance_->StopEx(nullptr, 0, 0), DMUS_E_NOT_INIT);
}

TEST_F(Performance, TheLoaderRefusesMissingAndMalformedFiles)
{
    EXPECT_EQ(Load(HeldNote()), S_OK);
    segment_->Release();
    segment_ = nullptr;
    MidiBytes broken = HeldNote();
    broken.resize(broken.size() - 5);
    EXPECT_EQ(Load(broken), DMUS_E_UNSUPPORTED_STREAM);
    EXPECT_EQ(segment_, nullptr);
    EXPECT_EQ(loader_->LoadObjectFromFile(CLSID_DirectMusicSegment, IID_IDirectMusicSegment8, u"missing.mid",
                                          reinterpret_cast<void**>(&segment_)),
              DMUS_E_LOADER_FAILEDOPEN);
    EXPECT_EQ(segment_, nullptr);
}

TEST_F(Performance, SetsUpOnlyOnceAndNeedsItsSoundFont)
{
    EXPECT_EQ(performance_->InitAudio(nullptr, nullptr, nullptr, DMUS_APATH_SHARED_STEREOPLUSREVERB, 64,
                                      DMUS_AUDIOF_ALL, nullptr),
              DMUS_E_ALREADY_INITED);
    dmusic::RegisterClasses([this] { return mixer_; }, "/no/such/font.sf2");
    auto* fontless = Create<IDirectMusicPerformance8>(CLSID_DirectMusicPerformance, IID_IDirectMusicPerformance8);
    EXPECT_TRUE(FAILED(fontless->InitAudio(nullptr, nullptr, nullptr, DMUS_APATH_SHARED_STEREOPLUSREVERB, 64,
                                           DMUS_AUDIOF_ALL, nullptr)));
    fontless->Release();
}

}  // namespace
