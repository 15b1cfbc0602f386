// The benchmarks' recording device as the game's g_device, for the loaders that make their
// textures and meshes on it. Made once; the call record is emptied before every input, so
// it does not grow with the run.
#pragma once

#include "fake/call_log.h"
#include "recording_device.h"

inline IDirect3DDevice9* StandInDevice()
{
    static const RecordingDevice device;
    fake::ClearCalls();
    return g_device;
}
