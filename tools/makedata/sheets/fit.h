// Choosing a font size that makes a text fill a given box.
#pragma once

#include <string>
#include <string_view>

namespace sheets {

// The largest size, in whole pixels per em, at which the text's ink fits the box.
float FitSize(const std::string& fontFile, std::string_view text, float tracking, int width, int height);

}  // namespace sheets
