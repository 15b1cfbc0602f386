// FreeType rendering of text lines, and the operations on coverage maps.
#include "text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "colour.h"

namespace sheets {

std::string FontPath(const std::string& fileName)
{
    return "/usr/share/fonts/truetype/dejavu/" + fileName;
}

Font::Font(const std::string& fileName, float pixelsPerEm, float width)
{
    if (FT_Init_FreeType(&library_) != 0) throw std::runtime_error("FreeType does not start");
    if (FT_New_Face(library_, FontPath(fileName).c_str(), 0, &face_) != 0) {
        FT_Done_FreeType(library_);
        throw std::runtime_error("cannot open the font " + FontPath(fileName));
    }
    FT_Set_Char_Size(face_, 0, FT_F26Dot6(std::lround(pixelsPerEm * 64)), 72, 72);
    FT_Matrix squeeze{FT_Fixed(std::lround(width * 0x10000)), 0, 0, 0x10000};
    FT_Set_Transform(face_, &squeeze, nullptr);
}

Font::~Font()
{
    FT_Done_Face(face_);
    FT_Done_FreeType(library_);
}

Coverage Font::Render(std::string_view text, float tracking) const
{
    const int ascent = int(std::ceil(face_->size->metrics.ascender / 64.0));
    const int descent = int(std::ceil(-face_->size->metrics.descender / 64.0));
    const int overhang = int(std::ceil(face_->size->metrics.x_ppem / 4.0));

    float advance = 0;
    FT_UInt previous = 0;
    for (char c : text) {
        const FT_UInt index = FT_Get_Char_Index(face_, FT_ULong(static_cast<unsigned char>(c)));
        if (FT_Load_Glyph(face_, index, FT_LOAD_DEFAULT) != 0) continue;
        FT_Vector kern{0, 0};
        if (previous) FT_Get_Kerning(face_, previous, index, FT_KERNING_DEFAULT, &kern);
        advance += (face_->glyph->advance.x + kern.x) / 64.0f + tracking;
        previous = index;
    }

    Coverage out;
    out.width = int(std::ceil(advance)) + 2 * overhang;
    out.height = ascent + descent + 2;
    out.baseline = ascent + 1;
    out.alpha.assign(std::size_t(out.width) * out.height, 0.0f);

    float pen = float(overhang);
    previous = 0;
    for (char c : text) {
        const FT_UInt index = FT_Get_Char_Index(face_, FT_ULong(static_cast<unsigned char>(c)));
        if (FT_Load_Glyph(face_, index, FT_LOAD_DEFAULT) != 0) continue;
        FT_Vector kern{0, 0};
        if (previous) FT_Get_Kerning(face_, previous, index, FT_KERNING_DEFAULT, &kern);
        pen += kern.x / 64.0f;
        if (FT_Render_Glyph(face_->glyph, FT_RENDER_MODE_NORMAL) == 0) {
            const FT_Bitmap& bitmap = face_->glyph->bitmap;
            const int x0 = int(std::lround(pen)) + face_->glyph->bitmap_left;
            const int y0 = out.baseline - face_->glyph->bitmap_top;
            for (unsigned row = 0; row < bitmap.rows; ++row) {
                for (unsigned column = 0; column < bitmap.width; ++column) {
                    const int x = x0 + int(column), y = y0 + int(row);
                    if (x < 0 || y < 0 || x >= out.width || y >= out.height) continue;
                    float& a = out.alpha[std::size_t(y) * out.width + x];
                    a = std::min(1.0f, a + bitmap.buffer[row * bitmap.pitch + column] / 255.0f);
                }
            }
        }
        pen += face_->glyph->advance.x / 64.0f + tracking;
        previous = index;
    }
    return out;
}

Trimmed Trim(const Coverage& coverage)
{
    int x0 = coverage.width, y0 = coverage.height, x1 = -1, y1 = -1;
    for (int y = 0; y < coverage.height; ++y) {
        for (int x = 0; x < coverage.width; ++x) {
            if (coverage.At(x, y) <= 0) continue;
            x0 = std::min(x0, x);
            y0 = std::min(y0, y);
            x1 = std::max(x1, x);
            y1 = std::max(y1, y);
        }
    }
    Trimmed out;
    if (x1 < 0) return out;
    out.left = x0;
    out.top = y0;
    out.coverage.width = x1 - x0 + 1;
    out.coverage.height = y1 - y0 + 1;
    out.coverage.baseline = coverage.baseline - y0;
    out.coverage.alpha.resize(std::size_t(out.coverage.width) * out.coverage.height);
    for (int y = 0; y < out.coverage.height; ++y) {
        for (int x = 0; x < out.coverage.width; ++x) {
            out.coverage.alpha[std::size_t(y) * out.coverage.width + x] = coverage.At(x + x0, y + y0);
        }
    }
    return out;
}

Coverage Pad(const Coverage& coverage, int pad)
{
    Coverage out;
    out.width = coverage.width + 2 * pad;
    out.height = coverage.height + 2 * pad;
    out.baseline = coverage.baseline + pad;
    out.alpha.assign(std::size_t(out.width) * out.height, 0.0f);
    for (int y = 0; y < coverage.height; ++y) {
        for (int x = 0; x < coverage.width; ++x) {
            out.alpha[std::size_t(y + pad) * out.width + x + pad] = coverage.At(x, y);
        }
    }
    return out;
}

Coverage Dilate(const Coverage& coverage, int radius)
{
    const Coverage source = Pad(coverage, radius);
    Coverage out = source;
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            float best = 0;
            for (int dy = -radius; dy <= radius; ++dy) {
                for (int dx = -radius; dx <= radius; ++dx) {
                    // Pixels at the disc's rim count in part, so the outline stays smooth.
                    const float reach = Clamp01(radius + 0.5f - std::hypot(float(dx), float(dy)));
                    best = std::max(best, source.At(x + dx, y + dy) * reach);
                }
            }
            out.alpha[std::size_t(y) * out.width + x] = best;
        }
    }
    return out;
}

Coverage Blur(const Coverage& coverage, int radius)
{
    Coverage out = Pad(coverage, radius * 3);
    std::vector<float> line;
    for (int pass = 0; pass < 3; ++pass) {
        for (int horizontal = 0; horizontal < 2; ++horizontal) {
            const int length = horizontal ? out.width : out.height;
            const int lines = horizontal ? out.height : out.width;
            line.resize(std::size_t(length));
            for (int l = 0; l < lines; ++l) {
                auto at = [&](int i) -> float& {
                    return horizontal ? out.alpha[std::size_t(l) * out.width + i] : out.alpha[std::size_t(i) * out.width + l];
                };
                for (int i = 0; i < length; ++i) line[std::size_t(i)] = at(i);
                for (int i = 0; i < length; ++i) {
                    float sum = 0;
                    for (int k = -radius; k <= radius; ++k) {
                        const int j = i + k;
                        if (j >= 0 && j < length) sum += line[std::size_t(j)];
                    }
                    at(i) = sum / float(2 * radius + 1);
                }
            }
        }
    }
    return out;
}

}  // namespace sheets
