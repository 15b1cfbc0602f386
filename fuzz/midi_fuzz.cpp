// The MIDI file check, and every file it lets through played for a moment by the real
// performance: nothing the check accepts may upset the synthesiser's player.
#include <cstdint>
#include <vector>

#include "midi_file.h"
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

    if (!dmusic::IsPlayableMidiFile(data, size)) return 0;
    auto* segment = new dmusic::Segment(std::vector<uint8_t>(data, data + size));
    segment->SetRepeats(1);
    performance->PlaySegmentEx(segment, nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr);
    int16_t out[1024 * 2];
    mixer->Render(out, 1024);
    performance->StopEx(nullptr, 0, 0);
    segment->Release();
    return 0;
}
