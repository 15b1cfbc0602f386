// The MIDI path as a tune start takes it: the loader reads the file and checks it, the
// segment downloads to the performance and loops, and the performance's player and
// synthesiser play it for a moment. Nothing the loader accepts may upset the player.
#include <cstdint>
#include <string>

#include "input_file.h"
#include "loader.h"
#include "music_classes.h"
#include "segment.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const auto mixer = std::make_shared<dsound::Mixer>(44100);
    static dmusic::Performance* performance = [] {
        auto* made = new dmusic::Performance([] { return mixer; }, dmusic::kSoundFontPath);
        made->InitAudio(nullptr, nullptr, nullptr, DMUS_APATH_SHARED_STEREOPLUSREVERB, 64, DMUS_AUDIOF_ALL, nullptr);
        return made;
    }();
    const char* file = WriteInputFile(data, size, ".mid");
    if (!file) return 0;
    const std::string name(file);
    const std::u16string wide(name.begin(), name.end());

    IDirectMusicLoader8* loader = dmusic::NewLoader();
    IDirectMusicSegment8* segment = nullptr;
    if (SUCCEEDED(loader->LoadObjectFromFile(CLSID_DirectMusicSegment, IID_IDirectMusicSegment8,
                                             reinterpret_cast<const WCHAR*>(wide.c_str()),
                                             reinterpret_cast<void**>(&segment)))) {
        segment->Download(performance);
        segment->SetRepeats(DMUS_SEG_REPEAT_INFINITE);
        performance->PlaySegmentEx(segment, nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr);
        int16_t out[dsound::Mixer::kBlockFrames * 2];
        for (int block = 0; block < 2; ++block) mixer->Render(out, dsound::Mixer::kBlockFrames);
        performance->StopEx(segment, 0, 0);
        segment->Release();
    }
    loader->Release();
    return 0;
}
