// Placeholder until the music player lands: no tune plays.
#include "audio/music.h"

IDirectMusicLoader8* g_musicLoader = nullptr;
IDirectMusicPerformance8* g_musicPerformance = nullptr;
IDirectMusicSegment8* g_musicSegment = nullptr;

void PlayMidi(const char*, uint8_t, uint8_t) {}
