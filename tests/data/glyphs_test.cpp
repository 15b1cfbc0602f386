// The glyph cells read as their letters and digits: each cell is compared with every
// letter (or digit) rendered plainly with FreeType, and must look most like its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "painted_sheets.h"
#include "sheets/text.h"

using namespace sheets;

namespace {

// Coverage with its ink's middle at the middle of a field of the given size, moved by
// (dx, dy).
std::vector<float> Centred(const Coverage& coverage, int width, int height, int dx = 0, int dy = 0)
{
    std::vector<float> field(std::size_t(width) * height, 0.0f);
    dx += (width - coverage.width) / 2;
    dy += (height - coverage.height) / 2;
    for (int y = 0; y < coverage.height; ++y) {
        for (int x = 0; x < coverage.width; ++x) {
            const int fx = x + dx, fy = y + dy;
            if (fx >= 0 && fy >= 0 && fx < width && fy < height) field[std::size_t(fy) * width + fx] = coverage.At(x, y);
        }
    }
    return field;
}

// The cell's brightness, cut to its ink, as a coverage map.
Coverage CellInk(const SheetTexture& sheet, Rect cell)
{
    Coverage coverage;
    coverage.width = cell.Width();
    coverage.height = cell.Height();
    for (int y = cell.top; y < cell.bottom; ++y) {
        for (int x = cell.left; x < cell.right; ++x) {
            const std::uint8_t* p = &sheet.rgb[(std::size_t(y) * sheet.width + x) * 3];
            coverage.alpha.push_back(std::max({p[0], p[1], p[2]}) / 255.0f);
        }
    }
    return Trim(coverage).coverage;
}

float Correlation(const std::vector<float>& a, const std::vector<float>& b)
{
    float ma = 0, mb = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        ma += a[i];
        mb += b[i];
    }
    ma /= a.size();
    mb /= b.size();
    float ab = 0, aa = 0, bb = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        ab += (a[i] - ma) * (b[i] - mb);
        aa += (a[i] - ma) * (a[i] - ma);
        bb += (b[i] - mb) * (b[i] - mb);
    }
    return ab / std::sqrt(aa * bb + 1e-9f);
}

// Which of the candidates the cell looks most like, by correlation at a common size.
char Read(const SheetTexture& sheet, Rect cell, const std::string& candidates)
{
    constexpr int kField = 32;
    const std::vector<float> seen = Centred(CellInk(sheet, cell), kField, kField);
    const Font font("DejaVuSans-Bold.ttf", 19);
    char best = '?';
    float bestScore = -2;
    for (char c : candidates) {
        // The reference is a plainer weight of the face: let it shift a little to find
        // its best fit.
        const Coverage letter = Trim(font.Render(std::string(1, c))).coverage;
        float score = -2;
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) score = std::max(score, Correlation(seen, Centred(letter, kField, kField, dx, dy)));
        }
        if (score > bestScore) {
            bestScore = score;
            best = c;
        }
    }
    return best;
}

}  // namespace

TEST(GlyphSheet, EveryLetterCellReadsAsItsLetter)
{
    const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (char c : alphabet) EXPECT_EQ(Read(SheetAsLoaded(kGlyphs), LetterCell(c), alphabet), c);
}

TEST(GlyphSheet, EveryDigitCellReadsAsItsDigit)
{
    const std::string digits = "0123456789";
    for (int d = 0; d < 10; ++d) EXPECT_EQ(Read(SheetAsLoaded(kGlyphs), kDigitCells[std::size_t(d)], digits), digits[std::size_t(d)]);
}

TEST(GlyphSheet, LabelsReadLifeAndScore)
{
    const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::string first, second;
    for (const Rect& cell : kFirstLabel) first += Read(SheetAsLoaded(kGlyphs), cell, alphabet);
    for (const Rect& cell : kSecondLabel) second += Read(SheetAsLoaded(kGlyphs), cell, alphabet);
    EXPECT_EQ(first, "LIFE");
    EXPECT_EQ(second, "SCORE");
}
