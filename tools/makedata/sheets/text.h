// Text through FreeType with the DejaVu fonts, as coverage maps the painters stamp.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace sheets {

// Coverage 0..1 per pixel; baseline is the row the letters stand on.
struct Coverage {
    int width = 0, height = 0;
    int baseline = 0;
    std::vector<float> alpha;

    float At(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < width && y < height ? alpha[std::size_t(y) * width + x] : 0.0f;
    }
};

// A DejaVu face ("DejaVuSans-Bold.ttf", say) at a size in pixels per em; a width below 1
// squeezes the letters sideways.
class Font {
public:
    Font(const std::string& fileName, float pixelsPerEm, float width = 1);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // One line of ASCII text; tracking adds pixels between letters. The map spans the
    // pen's whole advance and the face's ascent and descent, with room for overhangs.
    Coverage Render(std::string_view text, float tracking = 0) const;

private:
    FT_LibraryRec_* library_ = nullptr;
    FT_FaceRec_* face_ = nullptr;
};

// Where the DejaVu fonts live on Debian.
std::string FontPath(const std::string& fileName);

// The smallest map that holds every covered pixel; left and top say where it was cut.
struct Trimmed {
    Coverage coverage;
    int left = 0, top = 0;
};
Trimmed Trim(const Coverage& coverage);

// Grown by radius pixels all round: the shape of an outline drawn under the text.
Coverage Dilate(const Coverage& coverage, int radius);
// Softened by three box blurs of the radius, grown to keep the blur: a glow.
Coverage Blur(const Coverage& coverage, int radius);
// A copy with a border of pad empty pixels.
Coverage Pad(const Coverage& coverage, int pad);

}  // namespace sheets
