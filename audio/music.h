// The background tunes: MIDI files played and looped through DirectMusic.
#pragma once

#include <cstdint>

#include "dmusici.h"

// The objects of the latest PlayMidi call; the shutdown stops and releases them.
extern IDirectMusicLoader8* g_musicLoader;
extern IDirectMusicPerformance8* g_musicPerformance;
extern IDirectMusicSegment8* g_musicSegment;

// Starts a tune from the working directory's DATA\snd folder; stop: stop the tune that
// plays now first; repeat: loop the new one without end. S_OK, or E_FAIL after showing
// why no tune plays; callers go on either way.
HRESULT PlayMidi(const char* fileName, uint8_t stop, uint8_t repeat);
