// A whole file read into memory, for the loaders that decode from a buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace d3dx9 {

// The path is a name the game gave, in Windows' spelling (see LocalFileName).
// False for a missing or unreadable file, anything but a regular file, or one larger than
// maxBytes (refused before anything is allocated).
bool ReadWholeFile(const char* path, size_t maxBytes, std::vector<uint8_t>& bytes);

}  // namespace d3dx9
