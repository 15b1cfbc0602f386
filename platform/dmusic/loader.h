// The DirectMusic loader of the real platform.
#pragma once

#include <string>

#include "dmusici.h"

namespace dmusic {

IDirectMusicLoader8* NewLoader();
// UTF-16 Windows text as UTF-8.
std::string Utf8FromWide(const WCHAR* text);
// UTF-16 Windows text as a path: UTF-8, with backslashes as separators.
std::string PathFromWide(const WCHAR* text);

}  // namespace dmusic
