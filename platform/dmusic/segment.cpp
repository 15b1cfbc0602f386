// Downloading a segment's instruments to a performance.
#include "segment.h"

#include "performance.h"

namespace dmusic {

namespace {

HRESULT CheckPerformance(IUnknown* audioPath)
{
    const auto* performance = dynamic_cast<const Performance*>(audioPath);
    if (!performance) return E_INVALIDARG;
    return performance->Initialised() ? S_OK : DMUS_E_NOT_INIT;
}

}  // namespace

// A performance loads the whole General MIDI SoundFont when its audio is set up, so every
// instrument a tune can name is already there: only the performance is checked.
HRESULT Segment::Download(IUnknown* audioPath) { return CheckPerformance(audioPath); }

HRESULT Segment::Unload(IUnknown* audioPath) { return CheckPerformance(audioPath); }

}  // namespace dmusic
