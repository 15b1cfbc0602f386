// The class factories of our DirectMusic objects.
#include "music_classes.h"

#include "loader.h"
#include "segment.h"

namespace dmusic {

namespace {

// Hands out the one interface each class has.
template <class Interface>
HRESULT Hand(Interface* object, REFIID iid, REFIID wanted, void** out)
{
    if (iid != wanted) {
        object->Release();
        return E_NOINTERFACE;
    }
    *out = object;
    return S_OK;
}

}  // namespace

void RegisterClasses(MixerSource mixers, std::string soundFontPath)
{
    com::RegisterFactory(CLSID_DirectMusicLoader, [](REFIID iid, void** object) {
        return Hand(NewLoader(), iid, IID_IDirectMusicLoader8, object);
    });
    com::RegisterFactory(CLSID_DirectMusicPerformance, [mixers, soundFontPath](REFIID iid, void** object) {
        return Hand(static_cast<IDirectMusicPerformance8*>(new Performance(mixers, soundFontPath)), iid,
                    IID_IDirectMusicPerformance8, object);
    });
    com::RegisterFactory(CLSID_DirectMusicSegment, [](REFIID iid, void** object) {
        return Hand(static_cast<IDirectMusicSegment8*>(new Segment), iid, IID_IDirectMusicSegment8, object);
    });
}

}  // namespace dmusic
