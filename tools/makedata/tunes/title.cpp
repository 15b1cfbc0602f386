// The title theme: brass over strings, harp and a galloping bass, 120 beats a minute,
// 36 bars (72 seconds). The last bar rests on A, which leads back into the opening D minor.
#include "tunes/compositions.h"
#include "tunes/general_midi.h"
#include "tunes/section.h"

namespace makedata::tune {

namespace {

constexpr std::string_view kThemeOpening =
    "D5:6 A4:2 D5:4 F5:4 | G5:6 F5:2 D5:8 | C5:6 A4:2 C5:4 F5:4 | E5:6 D5:2 C5:8 |";
constexpr std::string_view kThemeRising = "D5:6 A4:2 D5:4 F5:4 | G5:4 A5:4 Bb5:4 G5:4 | A5:6 G5:2 E5:4 C5:4 | C#5:4 E5:4 A5:8";
constexpr std::string_view kThemeSettling = "D5:6 A4:2 D5:4 F5:4 | G5:4 F5:4 D5:4 Bb4:4 | C#5:4 E5:4 A5:4 G5:4 | F5:4 E5:4 D5:8";
constexpr std::string_view kBridge =
    "F5:6 G5:2 F5:4 D5:4 | E5:6 F5:2 E5:4 C5:4 | A4:4 C5:4 E5:4 A5:4 | F5:8 D5:8 | "
    "Bb5:6 A5:2 G5:4 D5:4 | G5:6 F5:2 E5:4 C5:4 | F5:4 E5:4 F5:4 A5:4 | A5:8 G5:4 E5:4";

constexpr std::string_view kGallop = "0:2 0:1 0:1 0:2 0:1 0:1 0:2 0:1 0:1 0:2 0:1 0:1";
constexpr std::string_view kWalk = "0:4 7:4 12:4 7:4";
constexpr std::string_view kRipple = "0:2 1:2 2:2 3:2 4:2 3:2 2:2 1:2";

const DrumBar kMarch = {
    {gm::kKick, "X...x...X...x..."},
    {gm::kSnare, "....X.......X..."},
    {gm::kClosedHat, "x.o.x.o.x.o.x.o."},
};
const DrumBar kBuild = {
    {gm::kKick, "X.......X......."},
    {gm::kClosedHat, "o.o.o.o.o.o.o.o."},
};
const DrumBar kFill = {
    {gm::kKick, "X.......X......."},
    {gm::kSnare, "....X.........XX"},
    {gm::kHighTom, "........xx......"},
    {gm::kMidTom, "..........xx...."},
    {gm::kLowFloorTom, "............xx.."},
};

}  // namespace

Tune ComposeTitle()
{
    Part lead{"Brass", 0, gm::kBrass, 127, 64, 60, 92, {}};
    Part strings{"Strings", 1, gm::kStrings, 56, 48, 80, 100, {}};
    Part harp{"Harp", 2, gm::kHarp, 100, 84, 70, 95, {}};
    Part bass{"Bass", 3, gm::kFingeredBass, 110, 64, 30, 85, {}};
    Part drums{"Drums", kDrumChannel, 0, 96, 64, 40, 100, {}};

    Song song;
    const Section intro = song.Next("Dm Bb C A");
    intro.Pad(strings, 57, 64);
    intro.Arpeggio(harp, kRipple, 50, 70);
    intro.Bass(bass, "0:8 0:8", 33, 90);
    intro.Drums(drums, kBuild, kFill, false);

    const auto full = [&](std::string_view chords, std::string_view line, int loudness, std::string_view walk,
                          bool crash) {
        const Section section = song.Next(chords);
        section.Melody(lead, line, loudness);
        section.Pad(strings, 57, loudness - 46);
        section.Arpeggio(harp, kRipple, 50, 72);
        section.Bass(bass, walk, 33, 96);
        section.Drums(drums, kMarch, kFill, crash);
    };
    const std::string theme = Joined(kThemeOpening, kThemeRising);
    full("Dm Bb F C Dm Bb C A", theme, 112, kGallop, true);
    full("Dm Bb F C Dm Bb A Dm", Joined(kThemeOpening, kThemeSettling), 116, kGallop, false);
    full("Bb C Am Dm Gm C F A", kBridge, 114, kWalk, true);

    // The theme once more, the strings doubling it an octave down.
    const Section reprise = song.Next("Dm Bb F C Dm Bb C A");
    reprise.Melody(lead, theme, 120);
    reprise.Melody(strings, theme, 76, -12);
    reprise.Arpeggio(harp, kRipple, 50, 74);
    reprise.Bass(bass, kGallop, 33, 100);
    reprise.Drums(drums, kMarch, kFill, true);

    return {"Veltrane title", 120, song.EndTick(), {lead, strings, harp, bass, drums}};
}

}  // namespace makedata::tune
