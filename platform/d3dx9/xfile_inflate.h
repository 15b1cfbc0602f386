// The compressed .x encodings ("tzip", "bzip"): after the 16-byte header, a 32-bit total
// size (header included), then blocks of MSZIP data that zlib inflates.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace d3dx9::xfile {

// Inflates the blocks that follow the header into the plain text or binary body.
// Refuses a total size above maxBytes, a block that does not inflate to its stated size,
// and blocks that end before (or run past) the total. Returns false with a reason.
bool InflateBody(std::span<const uint8_t> afterHeader, size_t maxBytes, std::vector<uint8_t>& body,
                 std::string& error);

}  // namespace d3dx9::xfile
