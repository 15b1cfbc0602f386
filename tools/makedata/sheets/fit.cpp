// Font sizes by search: the ink of DejaVu text grows with the size, a pixel at a time.
#include "fit.h"

#include "text.h"

namespace sheets {

float FitSize(const std::string& fontFile, std::string_view text, float tracking, int width, int height)
{
    float size = 8;
    for (float candidate = 8; candidate <= 200; candidate += 1) {
        const Font font(fontFile, candidate);
        const Trimmed ink = Trim(font.Render(text, tracking));
        if (ink.coverage.width > width || ink.coverage.height > height) break;
        size = candidate;
    }
    return size;
}

}  // namespace sheets
