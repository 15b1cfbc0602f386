// Recording stand-ins for DirectSound and DirectMusic: every call the game makes goes to
// the call record as "Interface.Method(label, args...)", objects labelled in the order they
// are made ("primary", "sound1", "loader1", "performance1", "segment1", ...), and each step
// the start-up and PlayMidi check can be scripted to fail. Nothing is heard.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "dmusici.h"
#include "dsound.h"

namespace fake {

struct SoundScript {
    bool failDirectSoundCreate = false;
    bool failCooperativeLevel = false;
    bool failPrimaryBuffer = false;
    std::set<int> failSecondaryBuffers;  // which secondary CreateSoundBuffer calls fail, from 1
    bool failLock = false;
};

struct MusicScript {
    bool failLoaderCreation = false;
    bool failPerformanceCreation = false;
    bool failInitAudio = false;
    bool failLoadObject = false;
};

// Each stand-in in place with its empty script and fresh labels, and none (fake::Install
// and Uninstall do both).
void InstallDirectSound();
void UninstallDirectSound();
void InstallMusic();
void UninstallMusic();
// The scripts of the installed stand-ins; change them before the calls they concern.
SoundScript& SoundScripts();
MusicScript& MusicScripts();

// A secondary or primary buffer of the stand-in: what the game put in it and did with it.
class FakeSoundBuffer : public com::RefCounted<IDirectSoundBuffer> {
public:
    FakeSoundBuffer(std::string label, const DSBUFFERDESC& desc);

    HRESULT GetStatus(LPDWORD status) override;
    HRESULT GetCurrentPosition(LPDWORD playCursor, LPDWORD writeCursor) override;
    HRESULT Lock(DWORD offset, DWORD bytes, LPVOID* part1, LPDWORD bytes1, LPVOID* part2, LPDWORD bytes2,
                 DWORD flags) override;
    HRESULT Unlock(LPVOID part1, DWORD bytes1, LPVOID part2, DWORD bytes2) override;
    HRESULT Play(DWORD reserved, DWORD priority, DWORD flags) override;
    HRESULT Stop() override;
    HRESULT SetCurrentPosition(DWORD position) override;
    HRESULT SetVolume(LONG volume) override;
    HRESULT GetVolume(LONG* volume) override;
    ULONG Release() override;

    const std::string label;
    const DWORD flags;
    const WAVEFORMATEX format;  // zero for the primary buffer
    std::vector<uint8_t> bytes;  // the buffer's memory, as filled through Lock
    LONG volume = 0;
    bool playing = false;  // from Play until Stop: the stand-in never reaches an end
    DWORD position = 0;  // bytes
};

}  // namespace fake
