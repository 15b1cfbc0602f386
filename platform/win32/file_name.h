// File names as the game gives them, in Windows' spelling, turned into ones this system opens.
#pragma once

#include <string>

namespace win32 {

// Windows takes '\' as a folder separator as well as '/': a name written on Windows, such
// as a texture name inside a model file, opens here with its backslashes read as '/'.
std::string LocalFileName(const char* name);

}  // namespace win32
