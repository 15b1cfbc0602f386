// The developer log: loads that fail while the game goes on without them (a texture, a
// model, a sound, a tune, a timetable) leave one line on standard error when the
// environment variable VELTRANE_LOG is set to anything non-empty. Unset, it is silent.
#pragma once

namespace win32 {

// Writes "veltrane: <kind> <name>: <reason>", e.g. "veltrane: texture ./DATA/x.png: cannot open".
void LogLoadFailure(const char* kind, const char* name, const char* reason);

}  // namespace win32
