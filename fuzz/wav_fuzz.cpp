// The WAV reader through the buffered RIFF file calls, as the start-up loads its sounds
// (LoadWaveBuffer), on DirectSound over a mixer of its own: any input must fail cleanly,
// or load and play.
#include <cstdint>

#include "audio/sound_effects.h"
#include "direct_sound.h"
#include "input_file.h"
#include "shell/startup.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const auto mixer = std::make_shared<dsound::Mixer>(44100);
    if (!g_directSound) g_directSound = dsound::NewDirectSound(mixer);
    const char* file = WriteInputFile(data, size, ".wav");
    if (!file) return 0;

    IDirectSoundBuffer* buffer = LoadWaveBuffer(file);
    if (buffer) {
        buffer->SetVolume(-600);
        buffer->Play(0, 0, 0);
        int16_t out[512 * 2];
        mixer->Render(out, 512);
        buffer->Release();
    }
    return 0;
}
