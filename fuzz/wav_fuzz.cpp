// The WAV reader through the buffered RIFF file calls, then DirectSound's format checks and
// the mixer on whatever loads: any input must fail cleanly or load and play.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "audio/sound_effects.h"
#include "direct_sound.h"
#include "shell/startup.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = "/tmp/veltrane_wav_fuzz_" + std::to_string(getpid()) + ".wav";
    static const auto mixer = std::make_shared<dsound::Mixer>(44100);
    if (!g_directSound) g_directSound = dsound::NewDirectSound(mixer);

    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    IDirectSoundBuffer* buffer = LoadWaveBuffer(path.c_str());
    if (buffer) {
        buffer->SetVolume(-600);
        buffer->Play(0, 0, 0);
        int16_t out[512 * 2];
        mixer->Render(out, 512);
        buffer->Release();
    }
    return 0;
}
