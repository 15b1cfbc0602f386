// The boss tune: brass over tremolo strings, a sixteenth-note bass ostinato with a
// Phrygian half step, orchestra hits and driving drums, 160 beats a minute, 44 bars
// (66 seconds). It ends on B, which pulls back to the opening E minor.
#include "tunes/compositions.h"
#include "tunes/general_midi.h"
#include "tunes/section.h"

namespace makedata::tune {

namespace {

constexpr std::string_view kThreat =
    "E5:6 B4:2 E5:4 G5:4 | F5:6 E5:2 C5:4 A4:4 | B4:6 E5:2 G5:4 B5:4 | A5:6 G5:2 F5:8 | "
    "E5:4 G5:4 B5:4 E6:4 | C6:6 B5:2 G5:4 E5:4 | D#5:4 F#5:4 B5:8 | A5:4 F#5:4 D#5:8";
constexpr std::string_view kClimb =
    "C6:6 B5:2 A5:4 E5:4 | D#6:6 C6:2 B5:8 | G5:6 F#5:2 E5:4 B4:4 | C5:4 E5:4 G5:4 C6:4 | "
    "A5:6 B5:2 C6:4 E6:4 | F6:6 E6:2 C6:4 A5:4 | B5:16 | D#6:4 C6:4 B5:4 A5:4";
constexpr std::string_view kStandoff =
    "D5:16 | C#5:16 | B4:8 D5:8 | C#5:8 A#4:8 | E5:8 G5:8 | F#5:8 D#5:8 | G5:8 E5:8 | F#5:16";

constexpr std::string_view kOstinato = "0:1 0:1 12:1 0:1 0:1 0:1 12:1 0:1 0:1 0:1 12:1 0:1 1:1 0:1 12:1 0:1";
constexpr std::string_view kStab = "0+1+2:2 r:14";
constexpr std::string_view kDoubleStab = "0+1+2:2 r:4 0+1+2:2 r:8";

const DrumBar kPound = {
    {gm::kKick, "X.x.X.x.X.x.X.x."},
    {gm::kSnare, "....X.......X..."},
    {gm::kClosedHat, "x.x.x.x.x.x.x.x."},
};
const DrumBar kGather = {
    {gm::kKick, "X.......X......."},
    {gm::kLowFloorTom, "....x.......x.x."},
};
const DrumBar kFill = {
    {gm::kKick, "X.x.X.x.X......."},
    {gm::kSnare, "....X...xx......"},
    {gm::kHighTom, "..........xx...."},
    {gm::kMidTom, "............xx.."},
    {gm::kLowFloorTom, "..............XX"},
};

}  // namespace

Tune ComposeBoss()
{
    Part lead{"Brass", 0, gm::kBrass, 127, 64, 50, 85, {}};
    Part strings{"Tremolo strings", 1, gm::kTremoloStrings, 88, 44, 70, 100, {}};
    Part bass{"Bass", 2, gm::kSynthBass2, 86, 64, 20, 70, {}};
    Part hits{"Hits", 3, gm::kOrchestraHit, 76, 84, 60, 100, {}};
    Part drums{"Drums", kDrumChannel, 0, 94, 64, 30, 100, {}};

    Song song;
    const Section intro = song.Next("Em Em F F");
    intro.Bass(bass, kOstinato, 28, 96);
    intro.Pad(strings, 52, 72);
    intro.Drums(drums, kGather, kFill, false);

    const auto fight = [&](std::string_view chords, std::string_view line, int loudness, std::string_view stabs) {
        const Section section = song.Next(chords);
        section.Melody(lead, line, loudness);
        section.Pad(strings, 52, loudness - 40);
        section.Bass(bass, kOstinato, 28, 100);
        section.Arpeggio(hits, stabs, 52, loudness - 24);
        section.Drums(drums, kPound, kFill, true);
    };
    const auto threat = [&] { fight("Em F Em F Em C B B", kThreat, 116, kStab); };
    const auto climb = [&] { fight("Am B Em C Am F B B", kClimb, 120, kDoubleStab); };
    threat();
    climb();

    const Section standoff = song.Next("G F# G F# C B C B");
    standoff.Melody(strings, kStandoff, 88);
    standoff.Bass(bass, kOstinato, 28, 96);
    standoff.Drums(drums, kGather, kFill, true);

    threat();
    climb();

    return {"Veltrane boss", 160, song.EndTick(), {lead, strings, bass, hits, drums}};
}

}  // namespace makedata::tune
