// The DirectMusic stand-in: a loader, performance and segment behind CoCreateInstance
// that record each call and fail where the script says. Nothing plays.
#include "call_log.h"
#include "call_names.h"
#include "fake_sound_state.h"
#include "loader.h"

namespace fake {

namespace {

Label LabelOf(IUnknown* object);

std::string Text(const WCHAR* text) { return text ? dmusic::Utf8FromWide(text) : "null"; }

class FakeSegment : public com::RefCounted<IDirectMusicSegment8> {
public:
    explicit FakeSegment(std::string name) : label(std::move(name)) {}
    HRESULT SetRepeats(DWORD repeats) override
    {
        Record(Call("Segment.SetRepeats", Label{label}, name::Repeats(repeats)));
        return S_OK;
    }
    HRESULT Download(IUnknown* audioPath) override
    {
        Record(Call("Segment.Download", Label{label}, LabelOf(audioPath)));
        return S_OK;
    }
    HRESULT Unload(IUnknown* audioPath) override
    {
        Record(Call("Segment.Unload", Label{label}, LabelOf(audioPath)));
        return S_OK;
    }
    ULONG Release() override
    {
        Record(Call("Segment.Release", Label{label}));
        return RefCounted::Release();
    }
    const std::string label;
};

class FakePerformance : public com::RefCounted<IDirectMusicPerformance8> {
public:
    explicit FakePerformance(std::string name) : label(std::move(name)) {}
    HRESULT InitAudio(IDirectMusic** directMusic, IDirectSound** directSound, HWND window, DWORD defaultPathType,
                      DWORD channelCount, DWORD flags, DMUS_AUDIOPARAMS* params) override
    {
        Record(Call("Performance.InitAudio", Label{label}, directMusic, directSound, window,
                    name::AudioPath(defaultPathType), channelCount, name::AudioFlags(flags), params));
        return TheSoundState().music.failInitAudio ? E_FAIL : S_OK;
    }
    HRESULT PlaySegmentEx(IUnknown* source, WCHAR* segmentName, IUnknown* transition, DWORD flags,
                          LONGLONG startTime, IDirectMusicSegmentState** segmentState, IUnknown* from,
                          IUnknown* audioPath) override
    {
        Record(Call("Performance.PlaySegmentEx", Label{label}, LabelOf(source), segmentName, transition, Hex{flags},
                    startTime, segmentState, from, audioPath));
        return S_OK;
    }
    HRESULT StopEx(IUnknown* object, LONGLONG stopTime, DWORD flags) override
    {
        Record(Call("Performance.StopEx", Label{label}, LabelOf(object), stopTime, Hex{flags}));
        return S_OK;
    }
    HRESULT CloseDown() override
    {
        Record(Call("Performance.CloseDown", Label{label}));
        return S_OK;
    }
    ULONG Release() override
    {
        Record(Call("Performance.Release", Label{label}));
        return RefCounted::Release();
    }
    const std::string label;
};

class FakeLoader : public com::RefCounted<IDirectMusicLoader8> {
public:
    explicit FakeLoader(std::string name) : label(std::move(name)) {}
    HRESULT SetSearchDirectory(REFGUID objectClass, const WCHAR* path, BOOL clear) override
    {
        Record(Call("Loader.SetSearchDirectory", Label{label}, name::Guid(objectClass), Text(path), name::Bool(clear)));
        return S_OK;
    }
    HRESULT LoadObjectFromFile(REFGUID objectClass, REFIID iid, const WCHAR* fileName, void** object) override
    {
        Record(Call("Loader.LoadObjectFromFile", Label{label}, name::Guid(objectClass), name::Guid(iid),
                    Text(fileName)));
        if (!object) return E_POINTER;
        *object = nullptr;
        if (TheSoundState().music.failLoadObject) return DMUS_E_LOADER_FAILEDOPEN;
        *object = static_cast<IDirectMusicSegment8*>(
            new FakeSegment("segment" + std::to_string(++TheSoundState().segments)));
        return S_OK;
    }
    ULONG Release() override
    {
        Record(Call("Loader.Release", Label{label}));
        return RefCounted::Release();
    }
    const std::string label;
};

Label LabelOf(IUnknown* object)
{
    if (!object) return Label{"null"};
    if (auto* segment = dynamic_cast<FakeSegment*>(object)) return Label{segment->label};
    if (auto* performance = dynamic_cast<FakePerformance*>(object)) return Label{performance->label};
    return Label{"ptr"};
}

// Records the creation and hands out the object when the class is asked for its one interface.
template <class Interface>
HRESULT Create(const char* name, bool fail, REFIID iid, REFIID wanted, void** object, Interface* (*make)())
{
    Record(Call("CoCreateInstance", Label{name}, Label{iid == wanted ? "its interface" : "other"}));
    if (fail) return E_OUTOFMEMORY;
    if (iid != wanted) return E_NOINTERFACE;
    *object = make();
    return S_OK;
}

}  // namespace

void InstallMusic()
{
    SoundState& state = TheSoundState();
    state.music = {};
    state.loaders = state.performances = state.segments = 0;
    com::RegisterFactory(CLSID_DirectMusicLoader, [](REFIID iid, void** object) {
        return Create<IDirectMusicLoader8>("DirectMusicLoader", TheSoundState().music.failLoaderCreation, iid,
                                           IID_IDirectMusicLoader8, object, [] {
                                               return static_cast<IDirectMusicLoader8*>(new FakeLoader(
                                                   "loader" + std::to_string(++TheSoundState().loaders)));
                                           });
    });
    com::RegisterFactory(CLSID_DirectMusicPerformance, [](REFIID iid, void** object) {
        return Create<IDirectMusicPerformance8>(
            "DirectMusicPerformance", TheSoundState().music.failPerformanceCreation, iid, IID_IDirectMusicPerformance8,
            object, [] {
                return static_cast<IDirectMusicPerformance8*>(
                    new FakePerformance("performance" + std::to_string(++TheSoundState().performances)));
            });
    });
    com::RegisterFactory(CLSID_DirectMusicSegment, [](REFIID iid, void** object) {
        return Create<IDirectMusicSegment8>("DirectMusicSegment", false, iid, IID_IDirectMusicSegment8, object, [] {
            return static_cast<IDirectMusicSegment8*>(
                new FakeSegment("segment" + std::to_string(++TheSoundState().segments)));
        });
    });
}

void UninstallMusic() { com::UnregisterAllClasses(); }

}  // namespace fake
