// The game's icon for the desktop's menus: the title's winged badge on a night-blue tile,
// painted afresh at each size of the hicolor theme.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace makedata {

inline constexpr std::array<int, 8> kIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

// Top-down rows of 8-bit red, green, blue and alpha, size by size pixels.
std::vector<std::uint8_t> PaintIcon(int size);
// DIR/SIZExSIZE/apps/veltrane.png for every size, the hicolor theme's layout.
void WriteIcons(const std::filesystem::path& dir);

}  // namespace makedata
