// DirectMusic as the game uses it: a loader that finds a MIDI file in a search folder, a
// performance that plays it, and the segment made from the file. Created through COM.
#pragma once

#include "objbase.h"

typedef LONGLONG REFERENCE_TIME;
typedef LONG MUSIC_TIME;

extern const CLSID CLSID_DirectMusicLoader;
extern const CLSID CLSID_DirectMusicPerformance;
extern const CLSID CLSID_DirectMusicSegment;
extern const IID IID_IDirectMusicLoader8;
extern const IID IID_IDirectMusicPerformance8;
extern const IID IID_IDirectMusicSegment8;
extern const GUID GUID_DirectMusicAllTypes;

#define DMUS_APATH_SHARED_STEREOPLUSREVERB 1
#define DMUS_APATH_DYNAMIC_3D 6
#define DMUS_APATH_DYNAMIC_MONO 7
#define DMUS_APATH_DYNAMIC_STEREO 8

#define DMUS_AUDIOF_3D 0x1
#define DMUS_AUDIOF_ENVIRON 0x2
#define DMUS_AUDIOF_EAX 0x4
#define DMUS_AUDIOF_DMOS 0x8
#define DMUS_AUDIOF_STREAMING 0x10
#define DMUS_AUDIOF_BUFFERS 0x20
#define DMUS_AUDIOF_ALL 0x3F

#define DMUS_SEG_REPEAT_INFINITE 0xFFFFFFFF

#define DMUS_E_LOADER_FAILEDOPEN ((HRESULT)0x88781170L)
#define DMUS_E_UNSUPPORTED_STREAM ((HRESULT)0x88781204L)
#define DMUS_E_NOT_INIT ((HRESULT)0x887810A1L)
#define DMUS_E_ALREADY_INITED ((HRESULT)0x887810A2L)

struct IDirectMusic;
struct IDirectSound;
struct IDirectMusicSegmentState;
struct IDirectMusicAudioPath;
struct DMUS_AUDIOPARAMS;

struct IDirectMusicSegment8 : IUnknown {
    virtual HRESULT SetRepeats(DWORD repeats) = 0;
    virtual HRESULT Download(IUnknown* audioPath) = 0;
    virtual HRESULT Unload(IUnknown* audioPath) = 0;
};
typedef IDirectMusicSegment8* LPDIRECTMUSICSEGMENT8;

struct IDirectMusicPerformance8 : IUnknown {
    virtual HRESULT InitAudio(IDirectMusic** directMusic, IDirectSound** directSound, HWND window,
                              DWORD defaultPathType, DWORD channelCount, DWORD flags,
                              DMUS_AUDIOPARAMS* params) = 0;
    virtual HRESULT PlaySegmentEx(IUnknown* source, WCHAR* segmentName, IUnknown* transition, DWORD flags,
                                  LONGLONG startTime, IDirectMusicSegmentState** segmentState,
                                  IUnknown* from, IUnknown* audioPath) = 0;
    virtual HRESULT StopEx(IUnknown* object, LONGLONG stopTime, DWORD flags) = 0;
    virtual HRESULT CloseDown() = 0;
};
typedef IDirectMusicPerformance8* LPDIRECTMUSICPERFORMANCE8;

struct IDirectMusicLoader8 : IUnknown {
    virtual HRESULT SetSearchDirectory(REFGUID objectClass, const WCHAR* path, BOOL clear) = 0;
    virtual HRESULT LoadObjectFromFile(REFGUID objectClass, REFIID iid, const WCHAR* fileName,
                                       void** object) = 0;
};
typedef IDirectMusicLoader8* LPDIRECTMUSICLOADER8;
