// Which DirectSound DirectSoundCreate8 hands out, and the real one: buffers played by our
// mixer on the process's SDL audio device.
#pragma once

#include <functional>
#include <memory>

#include "dsound.h"
#include "mixer.h"

namespace dsound {

// An empty factory means no sound driver: DirectSoundCreate8 fails with DSERR_NODRIVER.
using DirectSoundFactory = std::function<HRESULT(const GUID* device, IDirectSound8** directSound, LPUNKNOWN outer)>;
void SetDirectSoundFactory(DirectSoundFactory factory);

// The real factory: the default device only, mixed on the SDL audio device.
HRESULT CreateDeviceDirectSound(const GUID* device, IDirectSound8** directSound, LPUNKNOWN outer);
// A DirectSound whose buffers play into the given mixer; tests render it themselves.
IDirectSound8* NewDirectSound(std::shared_ptr<Mixer> mixer);

// The secondary and primary buffers of NewDirectSound.
IDirectSoundBuffer* NewSecondaryBuffer(std::shared_ptr<Mixer> mixer, const DSBUFFERDESC& desc);
IDirectSoundBuffer* NewPrimaryBuffer(std::shared_ptr<Mixer> mixer);
// The reason a secondary buffer cannot be made, or DS_OK.
HRESULT CheckSecondaryDesc(const DSBUFFERDESC& desc);

}  // namespace dsound
