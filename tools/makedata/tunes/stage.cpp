// The stage tune: square lead, power-chord guitar, octave bass and a rock beat, 152 beats a
// minute, 56 bars (88 seconds). The turnaround ends on E, the dominant of the opening A minor.
#include "tunes/compositions.h"
#include "tunes/general_midi.h"
#include "tunes/section.h"

namespace makedata::tune {

namespace {

constexpr std::string_view kVerseOpening =
    "A4:2 C5:2 E5:2 A5:4 G5:2 E5:2 C5:2 | F5:6 E5:2 C5:4 A4:4 | B4:2 D5:2 G5:2 B5:4 A5:2 G5:2 D5:2 | "
    "E5:12 r:4 |";
constexpr std::string_view kVerseToDominant =
    "A4:2 C5:2 E5:2 A5:4 G5:2 E5:2 C5:2 | F5:4 A5:4 C6:4 A5:4 | B5:6 A5:2 G5:4 D5:4 | E5:8 G#5:8";
constexpr std::string_view kVerseHome =
    "A5:2 G5:2 E5:2 C5:4 E5:2 A5:2 C6:2 | C6:6 A5:2 F5:4 A5:4 | G5:4 B5:4 D6:4 B5:4 | A5:12 r:4";
constexpr std::string_view kChorus =
    "C5:4 F5:4 A5:6 G5:2 | B4:4 D5:4 G5:6 F5:2 | E5:4 G5:4 B5:4 G5:4 | A5:12 r:4 | "
    "D5:4 F5:4 A5:6 G5:2 | E5:4 G5:4 B5:6 A5:2 | A5:4 G5:4 F5:4 E5:4 | D5:4 G5:4 B5:8";
constexpr std::string_view kBreak =
    "F5:16 | E5:16 | D5:8 F5:8 | E5:8 A5:8 | C6:8 A5:8 | B5:8 D6:8 | E6:16 | D6:4 B5:4 G#5:4 E5:4";
constexpr std::string_view kTurnaround = "A5:4 G5:4 F5:4 E5:4 | D5:4 E5:4 F5:4 G5:4 | A5:4 E5:4 C5:4 A4:4 | B4:4 E5:4 G#5:4 B5:4";

constexpr std::string_view kOctaves = "0:2 12:2 0:2 12:2 0:2 12:2 0:2 12:2";
constexpr std::string_view kRoots = "0:4 0:4 0:4 0:2 12:2";
constexpr std::string_view kChug = "0+7+12:2 0+7:1 0+7:1 0+7+12:2 0+7:1 0+7:1 0+7+12:2 0+7:2 0+7+12:2 0+7:2";
constexpr std::string_view kHeld = "0+7+12:16";

const DrumBar kRock = {
    {gm::kKick, "X.....x.X.x....."},
    {gm::kSnare, "....X.......X..."},
    {gm::kClosedHat, "x.x.x.x.x.x.x.x."},
};
const DrumBar kDrive = {
    {gm::kKick, "X.x...x.X.x...x."},
    {gm::kSnare, "....X.......X..o"},
    {gm::kRide, "x.x.x.x.x.x.x.x."},
};
const DrumBar kHalfTime = {
    {gm::kKick, "X.......X.....x."},
    {gm::kSnare, "........X......."},
    {gm::kRide, "x.x.x.x.x.x.x.x."},
};
const DrumBar kFill = {
    {gm::kKick, "X.......X......."},
    {gm::kSnare, "....X...xxx.x.XX"},
    {gm::kHighTom, "...........x...."},
    {gm::kMidTom, ".............x.."},
};

}  // namespace

Tune ComposeStage()
{
    Part lead{"Lead", 0, gm::kSquareLead, 110, 64, 50, 88, {}};
    Part guitar{"Guitar", 1, gm::kDistortionGuitar, 96, 40, 40, 80, {}};
    Part pad{"Synth strings", 2, gm::kSynthStrings, 84, 90, 80, 100, {}};
    Part bass{"Bass", 3, gm::kPickedBass, 112, 64, 20, 80, {}};
    Part doubling{"Lead guitar", 4, gm::kOverdrivenGuitar, 92, 80, 50, 90, {}};
    Part drums{"Drums", kDrumChannel, 0, 112, 64, 30, 100, {}};

    Song song;
    const Section intro = song.Next("Am Am F E");
    intro.Bass(bass, kOctaves, 33, 100);
    intro.Bass(guitar, kChug, 40, 92);
    intro.Pad(pad, 57, 60);
    intro.Drums(drums, kRock, kFill, false);

    const auto verse = [&](std::string_view chords, std::string_view line, bool doubled) {
        const Section section = song.Next(chords);
        section.Melody(lead, line, 100);
        if (doubled) {
            section.Melody(doubling, line, 96, -12);
        }
        section.Bass(bass, kOctaves, 33, 100);
        section.Bass(guitar, kChug, 40, 92);
        section.Drums(drums, kRock, kFill, true);
    };
    const std::string question = Joined(kVerseOpening, kVerseToDominant);
    const std::string answer = Joined(kVerseOpening, kVerseHome);
    verse("Am F G Am Am F G E", question, false);
    verse("Am F G Am Am F G Am", answer, false);

    const Section chorus = song.Next("F G Em Am Dm Em F G");
    chorus.Melody(lead, kChorus, 104);
    chorus.Pad(pad, 57, 70);
    chorus.Bass(bass, kOctaves, 33, 100);
    chorus.Bass(guitar, kChug, 40, 92);
    chorus.Drums(drums, kDrive, kFill, true);

    const Section breakdown = song.Next("Dm Am Dm Am F G E E");
    breakdown.Melody(lead, kBreak, 96);
    breakdown.Pad(pad, 57, 76);
    breakdown.Bass(bass, kRoots, 33, 96);
    breakdown.Bass(guitar, kHeld, 40, 84);
    breakdown.Drums(drums, kHalfTime, kFill, true);

    verse("Am F G Am Am F G E", question, true);
    verse("Am F G Am Am F G Am", answer, true);

    const Section turnaround = song.Next("F G Am E");
    turnaround.Melody(lead, kTurnaround, 100);
    turnaround.Pad(pad, 57, 70);
    turnaround.Bass(bass, kOctaves, 33, 100);
    turnaround.Bass(guitar, kChug, 40, 92);
    turnaround.Drums(drums, kDrive, kFill, true);

    return {"Veltrane stage 1", 152, song.EndTick(), {lead, guitar, pad, bass, doubling, drums}};
}

}  // namespace makedata::tune
