// The SDL audio device: a thin layer that hands each callback to the mixer.
#include "audio_device.h"

#include <SDL.h>

namespace dsound {

namespace {

class Device {
public:
    Device() : mixer(kDeviceRate) {}
    ~Device()
    {
        // Closing waits for a running callback, so the mixer outlives every render.
        if (id != 0) SDL_CloseAudioDevice(id);
        if (initialised) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    bool Open()
    {
        initialised = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        if (!initialised) return false;
        SDL_AudioSpec want = {};
        want.freq = kDeviceRate;
        want.format = AUDIO_S16SYS;
        want.channels = Mixer::kStereo;
        want.samples = 1024;
        want.callback = Callback;
        want.userdata = &mixer;
        SDL_AudioSpec have = {};
        id = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
        if (id == 0) return false;
        SDL_PauseAudioDevice(id, 0);
        return true;
    }

    Mixer mixer;
    SDL_AudioDeviceID id = 0;

private:
    bool initialised = false;

    static void Callback(void* mixer, Uint8* stream, int bytes)
    {
        static_cast<Mixer*>(mixer)->Render(reinterpret_cast<int16_t*>(stream),
                                           bytes / int(sizeof(int16_t) * Mixer::kStereo));
    }
};

std::shared_ptr<Device> OpenDevice()
{
    auto device = std::make_shared<Device>();
    if (device->Open()) return device;
    device.reset();
    // No sound card: SDL's dummy driver takes the mix in real time and plays nothing.
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    device = std::make_shared<Device>();
    const bool opened = device->Open();
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);  // a later open tries the real drivers again
    return opened ? device : nullptr;
}

}  // namespace

std::shared_ptr<Mixer> AcquireDeviceMixer()
{
    static std::mutex mutex;
    static std::weak_ptr<Device> current;
    std::lock_guard<std::mutex> lock(mutex);
    std::shared_ptr<Device> device = current.lock();
    if (!device) {
        device = OpenDevice();
        if (!device) return nullptr;
        current = device;
    }
    return std::shared_ptr<Mixer>(device, &device->mixer);
}

}  // namespace dsound
