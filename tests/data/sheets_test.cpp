// The sprite sheets: their files, and the cells the game cuts from them.
#include <gtest/gtest.h>

#include "sheet_device.h"

using namespace sheets;

namespace {

bool Lit(const SheetTexture& sheet, int x, int y)
{
    const std::uint8_t* p = &sheet.rgb[(std::size_t(y) * sheet.width + x) * 3];
    return p[0] || p[1] || p[2];
}

// Every cell each sheet's users cut from it.
std::vector<Rect> CellsOf(SheetIndex index)
{
    switch (index) {
    case kScoreboard:
        return {kScoreboardFrame};
    case kTitle:
        return {kTitleBackground, kLogoA, kLogoB, kTitleCaption, kLoadingCaption, kBarFrame, kUpperBarFill, kLowerBarFill, kBossBar};
    case kGame: {
        std::vector<Rect> cells{kLaserBeam, kWarningSign, kLifeGaugeFrame, kLifeBar, kMissileIcon, kLaserIcon};
        for (int i = 0; i < kExplosionCells; ++i) cells.push_back(ExplosionCell(i));
        for (int i = 0; i < kFlameCells; ++i) cells.push_back(FlameCell(i));
        return cells;
    }
    case kGlyphs: {
        std::vector<Rect> cells(kLetterCells.begin(), kLetterCells.end());
        cells.insert(cells.end(), kDigitCells.begin(), kDigitCells.end());
        return cells;
    }
    case kEnding: {
        std::vector<Rect> cells;
        for (int i = 0; i < kStaffLines; ++i) cells.push_back(StaffLine(i));
        return cells;
    }
    }
    return {};
}

bool Inside(const Rect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

}  // namespace

// The generator's run at build time wrote what the painters paint now, in files the
// game's loader reads at the sizes the game asks for: keyed black turns transparent and
// every other texel keeps its colour, opaque.
TEST_F(SheetDeviceTest, LoaderReadsThePaintedSheetsFromData)
{
    for (std::size_t i = 0; i < kSheets.size(); ++i) {
        SCOPED_TRACE(kSheets[i].size.file);
        const SheetSize size = kSheets[i].size;
        // The file's own size, asked for with 0 and 0 as the loader allows.
        IDirect3DTexture9* own = nullptr;
        LoadTexture(&own, SheetFile(i).c_str(), 0, 0, 0xFF000000);
        ASSERT_NE(own, nullptr);
        D3DSURFACE_DESC desc = {};
        own->GetLevelDesc(0, &desc);
        own->Release();
        EXPECT_EQ(desc.Width, UINT(size.width));
        EXPECT_EQ(desc.Height, UINT(size.height));

        const SheetTexture& painted = SheetAsLoaded(SheetIndex(i));
        ASSERT_EQ(painted.width, size.width);
        ASSERT_EQ(painted.height, size.height);
        D3DLOCKED_RECT locked = {};
        ASSERT_EQ(sheets_[i]->LockRect(0, &locked, nullptr, D3DLOCK_READONLY), D3D_OK);
        int keyed = 0, opaque = 0, wrong = 0;
        for (int y = 0; y < painted.height; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(locked.pBits) +
                                                                      std::size_t(y) * locked.Pitch);
            for (int x = 0; x < painted.width; ++x) {
                const std::uint8_t* p = &painted.rgb[(std::size_t(y) * painted.width + x) * 3];
                const std::uint32_t colour = std::uint32_t(p[0]) << 16 | p[1] << 8 | p[2];
                const std::uint32_t expected = colour ? 0xFF000000u | colour : 0u;
                (colour ? opaque : keyed) += 1;
                if (row[x] != expected && wrong++ < 5) {
                    ADD_FAILURE() << std::hex << row[x] << " at " << std::dec << x << ", " << y;
                }
            }
        }
        sheets_[i]->UnlockRect(0);
        EXPECT_EQ(wrong, 0);
        EXPECT_GT(keyed, 0);
        EXPECT_GT(opaque, 0);
    }
}

TEST(Sheets, EveryCellHoldsAPicture)
{
    for (SheetIndex index : {kScoreboard, kTitle, kGame, kGlyphs, kEnding}) {
        for (const Rect& cell : CellsOf(index)) {
            SCOPED_TRACE(std::string(kSheets[index].size.file) + " cell at " + std::to_string(cell.left) + ", " +
                         std::to_string(cell.top));
            const Ink ink = InkIn(SheetAsLoaded(index), cell);
            EXPECT_GE(ink.texels, cell.Width() * cell.Height() / 25);
            EXPECT_GE(ink.brightest, 80);
        }
    }
}

// Nothing is drawn outside the cells, and the cells that play one after another (or are
// stretched in the 3D scene) keep a clear border, so bilinear sampling at their edges
// picks up nothing of a neighbour.
TEST(Sheets, NothingBleedsOutOfItsCell)
{
    for (SheetIndex index : {kScoreboard, kTitle, kGame, kGlyphs, kEnding}) {
        const SheetTexture& sheet = SheetAsLoaded(index);
        const std::vector<Rect> cells = CellsOf(index);
        for (int y = 0; y < sheet.height; ++y) {
            for (int x = 0; x < sheet.width; ++x) {
                if (!Lit(sheet, x, y)) continue;
                const bool owned = std::any_of(cells.begin(), cells.end(), [&](const Rect& r) { return Inside(r, x, y); });
                ASSERT_TRUE(owned) << kSheets[index].size.file << " has a stray pixel at " << x << ", " << y;
            }
        }
    }
    const SheetTexture& game = SheetAsLoaded(kGame);
    for (int i = 0; i < kExplosionCells; ++i) {
        const Rect c = ExplosionCell(i);
        for (int k = 0; k < kExplosionSize; ++k) {
            EXPECT_FALSE(Lit(game, c.left + k, c.top) || Lit(game, c.left + k, c.bottom - 1) || Lit(game, c.left, c.top + k) ||
                         Lit(game, c.right - 1, c.top + k))
                << "explosion " << i << " reaches its border";
        }
    }
    for (int i = 0; i < kFlameCells; ++i) {
        const Rect c = FlameCell(i);
        for (int y = c.top; y < c.bottom; ++y) {
            EXPECT_FALSE(Lit(game, c.left, y) || Lit(game, c.right - 1, y)) << "flame " << i << " touches its neighbour";
        }
    }
    // Glyphs stand in their cells with a clear column either side.
    const SheetTexture& glyphs = SheetAsLoaded(kGlyphs);
    for (const Rect& c : CellsOf(kGlyphs)) {
        for (int y = c.top; y < c.bottom; ++y) {
            EXPECT_FALSE(Lit(glyphs, c.left, y) || Lit(glyphs, c.right - 1, y)) << "glyph cell at " << c.left << ", " << c.top;
        }
    }
}

// The loading bars and the boss bar are cut from the left, the life bar from the top, the
// laser is stretched along its length: every column or row that can show must hold the
// picture, or the bar would show gaps as it grows.
TEST(Sheets, BarsHoldTheirPictureAlongTheirWholeLength)
{
    const SheetTexture& title = SheetAsLoaded(kTitle);
    for (const Rect& fill : {kUpperBarFill, kLowerBarFill}) {
        ASSERT_GE(fill.Width(), kBarFull);
        for (int x = 0; x < kBarFull; ++x) {
            for (int y = fill.top; y < fill.bottom; ++y) ASSERT_TRUE(Lit(title, x, y)) << x << ", " << y;
        }
    }
    ASSERT_EQ(kBossBar.Width(), 1200 / 4);
    for (int x = kBossBar.left; x < kBossBar.right; ++x) EXPECT_TRUE(Lit(title, x, kBossBar.top + 3)) << x;

    const SheetTexture& game = SheetAsLoaded(kGame);
    for (int y = kLifeBar.top; y < kLifeBar.bottom; y += 4) {
        const Ink rows = InkIn(game, {kLifeBar.left, y, kLifeBar.right, y + 4});
        EXPECT_GE(rows.texels, kLifeBar.Width()) << "life bar rows from " << y;
    }
    for (int y = kLaserBeam.top; y < kLaserBeam.bottom; ++y) {
        EXPECT_EQ(InkIn(game, {kLaserBeam.left, y, kLaserBeam.right, y + 1}).texels,
                  InkIn(game, {kLaserBeam.left, kLaserBeam.top, kLaserBeam.right, kLaserBeam.top + 1}).texels)
            << y;
    }
}

// The labels are drawn at the top of the screen and the score 20 pixels lower, over the
// labels' bottom rows: the label letters must end above that row.
TEST(Sheets, LabelLettersClearTheScoreBelowThem)
{
    const SheetTexture& glyphs = SheetAsLoaded(kGlyphs);
    for (const char* label : {"LIFE", "SCORE"}) {
        for (const char* c = label; *c; ++c) {
            const Rect cell = LetterCell(*c);
            EXPECT_EQ(InkIn(glyphs, {cell.left, cell.top + int(kDigitsAt.y), cell.right, cell.bottom}).texels, 0) << *c;
        }
    }
}

TEST(Sheets, LabelsSpellLifeAndScore)
{
    const char* first = "LIFE";
    for (std::size_t i = 0; i < kFirstLabel.size(); ++i) {
        EXPECT_EQ(kFirstLabel[i].left, LetterCell(first[i]).left);
        EXPECT_EQ(kFirstLabel[i].right, LetterCell(first[i]).right);
        EXPECT_EQ(kFirstLabel[i].top, LetterCell(first[i]).top);
    }
    const char* second = "SCORE";
    for (std::size_t i = 0; i < kSecondLabel.size(); ++i) {
        EXPECT_EQ(kSecondLabel[i].left, LetterCell(second[i]).left);
        EXPECT_EQ(kSecondLabel[i].right, LetterCell(second[i]).right);
        EXPECT_EQ(kSecondLabel[i].top, LetterCell(second[i]).top);
    }
    // Row one runs A to M and row two N to Z, left to right without overlap.
    for (char c = 'A'; c < 'Z'; ++c) {
        const Rect a = LetterCell(c), b = LetterCell(char(c + 1));
        if (c == 'M') {
            EXPECT_GE(b.top, a.bottom);
        } else {
            EXPECT_EQ(a.top, b.top) << c;
            EXPECT_LE(a.right, b.left) << c;
        }
    }
}

// The third staff line starts 400 pixels across, so only its left 240 show: its words
// must keep within them.
TEST(Sheets, StaffLineFitsWhereItStarts)
{
    for (int i = 0; i < kStaffLines; ++i) {
        const Rect line = StaffLine(i);
        const int visible = 640 - int(kStaffLineAt[std::size_t(i)].x);
        if (visible >= line.Width()) continue;
        EXPECT_EQ(InkIn(SheetAsLoaded(kEnding), {line.left + visible, line.top, line.right, line.bottom}).texels, 0) << i;
    }
}
