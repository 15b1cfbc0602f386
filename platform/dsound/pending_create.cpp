// Until the mixer lands: no sound device.
#include "dsound.h"

HRESULT WINAPI DirectSoundCreate8(const GUID*, IDirectSound8** directSound, LPUNKNOWN)
{
    if (directSound) *directSound = nullptr;
    return DSERR_NODRIVER;
}
