// 24-bit BMP files for the sprite sheets.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "canvas.h"

namespace sheets {

// The whole file: headers, then bottom-up rows of blue, green, red padded to 4 bytes.
std::vector<std::uint8_t> EncodeBmp(const Canvas& canvas);
void WriteBmp(const Canvas& canvas, const std::filesystem::path& file);

}  // namespace sheets
