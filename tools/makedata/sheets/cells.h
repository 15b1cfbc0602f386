// Every cell the game cuts from its five sprite sheets, in pixels of the sheet: left,
// top, right, bottom, right and bottom exclusive. The painters draw into these and the
// tests check them, so the numbers here are the game's own.
#pragma once

#include <array>

namespace sheets {

struct Rect {
    int left, top, right, bottom;
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
};

struct SheetSize {
    const char* file;  // under DATA/pic
    int width, height;
};

inline constexpr SheetSize kScoreboardSheet{"scoreboad.bmp", 640, 480};
inline constexpr SheetSize kTitleSheet{"Title.bmp", 640, 1024};
inline constexpr SheetSize kGameSheet{"game.bmp", 1024, 512};
inline constexpr SheetSize kGlyphSheet{"ABC012.bmp", 512, 512};
inline constexpr SheetSize kEndingSheet{"endscr.bmp", 512, 1024};

// Title.bmp: the title screen, and the loading screen with its two bars.
inline constexpr Rect kTitleBackground{0, 0, 640, 480};
inline constexpr Rect kLogoA{0, 612, 319, 700};
inline constexpr Rect kLogoB{322, 612, 540, 700};
inline constexpr Rect kTitleCaption{0, 702, 280, 747};
inline constexpr Rect kLoadingCaption{0, 748, 310, 798};
inline constexpr Rect kBarFrame{0, 800, 408, 815};
// The loading cuts the fills from their left end, 0 to 392 pixels wide (392 is a full
// bar); they run a little further so that no width can show a blank end.
inline constexpr int kBarFull = 392;
inline constexpr Rect kUpperBarFill{0, 816, 400, 820};
inline constexpr Rect kLowerBarFill{0, 820, 400, 824};
// The boss's life bar, cut from the left: a full life of 1200 shows all 300 pixels.
inline constexpr Rect kBossBar{0, 830, 300, 838};

// Where the title and the loading screen put their cells on the 640 by 480 screen.
inline constexpr float kLogoScale = 1.3f;
struct ScreenPoint {
    float x, y;
};
inline constexpr ScreenPoint kLogoAStart{740, -100}, kLogoAEnd{223, 55};
inline constexpr ScreenPoint kLogoBStart{-100, 580}, kLogoBEnd{60, 362};
inline constexpr ScreenPoint kTitleCaptionAt{180, 220};
inline constexpr ScreenPoint kLoadingCaptionAt{330, 430};
inline constexpr ScreenPoint kUpperFrameAt{80, 200}, kLowerFrameAt{80, 210};
inline constexpr ScreenPoint kUpperFillAt{88, 206}, kLowerFillAt{88, 216};

// game.bmp: sixteen explosion cells of 80 by 80, eight to a row, played in order.
inline constexpr int kExplosionCells = 16;
inline constexpr int kExplosionSize = 80;
constexpr Rect ExplosionCell(int i)
{
    return {i % 8 * 80, i / 8 * 80, i % 8 * 80 + 80, i / 8 * 80 + 80};
}
// Thirteen flame cells of 23 by 37, played in order under the craft.
inline constexpr int kFlameCells = 13;
constexpr Rect FlameCell(int i) { return {i * 23, 161, i * 23 + 23, 198}; }
inline constexpr Rect kLaserBeam{1, 333, 13, 377};
inline constexpr Rect kWarningSign{110, 200, 490, 360};
inline constexpr Rect kLifeGaugeFrame{0, 200, 55, 300};
// The life bar is cut from its top as life falls (87 is full); its lower edge stays.
inline constexpr Rect kLifeBar{60, 200, 104, 287};
inline constexpr Rect kMissileIcon{0, 300, 32, 332};
inline constexpr Rect kLaserIcon{33, 300, 65, 332};

// Where the head-up display and the stage put them.
inline constexpr ScreenPoint kWarningAt{130, 160};
inline constexpr ScreenPoint kLifeGaugeAt{0, 30};
inline constexpr ScreenPoint kLifeBarAt{3, 30};
inline constexpr ScreenPoint kMissileIconAt{600, 50}, kLaserIconAt{600, 90};
inline constexpr ScreenPoint kBossBarAt{170, 10};
inline constexpr ScreenPoint kFirstLabelAt{0, 0}, kSecondLabelAt{540, 0}, kDigitsAt{540, 20};
inline constexpr float kHudStep = 15;  // labels and digits stand 15 pixels apart

// scoreboad.bmp: the head-up display's frame over the whole screen.
inline constexpr Rect kScoreboardFrame{0, 0, 640, 480};
// Our frame keeps out of these: the play area, where the craft and enemies fly.
inline constexpr std::array<Rect, 2> kPlayArea{{{72, 30, 528, 468}, {8, 140, 632, 468}}};

// ABC012.bmp: glyph cells. The first row holds A to M and the second N to Z, each
// letter inside its own cell; the labels read LIFE and SCORE from these cells.
inline constexpr std::array<Rect, 26> kLetterCells{{
    {0, 0, 18, 26},    {19, 0, 36, 26},   {37, 0, 52, 26},   {53, 0, 73, 26},   {74, 0, 89, 26},
    {90, 0, 106, 26},  {107, 0, 127, 26}, {128, 0, 148, 26}, {149, 0, 160, 26}, {161, 0, 176, 26},
    {177, 0, 196, 26}, {197, 0, 213, 26}, {214, 0, 236, 26},
    {0, 27, 21, 53},    {22, 27, 39, 53},   {40, 27, 57, 53},   {58, 27, 79, 53},   {80, 27, 98, 53},
    {99, 27, 113, 53},  {114, 27, 131, 53}, {132, 27, 150, 53}, {151, 27, 169, 53}, {170, 27, 195, 53},
    {196, 27, 214, 53}, {215, 27, 233, 53}, {234, 27, 251, 53},
}};
constexpr Rect LetterCell(char letter) { return kLetterCells[std::size_t(letter - 'A')]; }

inline constexpr std::array<Rect, 4> kFirstLabel{{{197, 0, 213, 26}, {149, 0, 160, 26}, {90, 0, 106, 26}, {74, 0, 89, 26}}};
inline constexpr std::array<Rect, 5> kSecondLabel{
    {{99, 27, 113, 53}, {37, 0, 52, 26}, {22, 27, 39, 53}, {80, 27, 98, 53}, {74, 0, 89, 26}}};
inline constexpr std::array<Rect, 10> kDigitCells{{
    {0, 128, 14, 148}, {15, 128, 25, 148}, {26, 128, 41, 148}, {42, 128, 55, 148}, {56, 128, 71, 148},
    {72, 128, 86, 148}, {87, 128, 101, 148}, {102, 128, 116, 148}, {117, 128, 130, 148}, {131, 128, 145, 148},
}};

// endscr.bmp: six staff-roll lines of 300 by 150, one under the other, and where each
// starts on the screen.
inline constexpr int kStaffLines = 6;
constexpr Rect StaffLine(int i) { return {0, 150 * i, 300, 150 * (i + 1)}; }
inline constexpr std::array<ScreenPoint, 6> kStaffLineAt{{{170, 165}, {200, 100}, {400, 240}, {50, 300}, {100, 200}, {170, 165}}};

}  // namespace sheets
