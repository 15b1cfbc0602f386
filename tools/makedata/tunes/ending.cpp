// The ending: flute over piano, slow strings and fretless bass with brushed drums, 84 beats
// a minute, 36 bars (103 seconds), for the staff roll. Its last bar comes home to C, where
// the quiet opening bars begin again.
#include "tunes/compositions.h"
#include "tunes/general_midi.h"
#include "tunes/section.h"

namespace makedata::tune {

namespace {

constexpr std::string_view kSongOpening = "E5:6 D5:2 E5:4 G5:4 | D5:12 B4:4 | C5:6 B4:2 C5:4 E5:4 | B4:12 G4:4 |";
constexpr std::string_view kSongAway = "A4:6 C5:2 F5:4 E5:4 | E5:6 D5:2 C5:8 | D5:6 E5:2 F5:4 A5:4 | G5:12 r:4";
constexpr std::string_view kSongHome = "A4:6 C5:2 F5:4 A5:4 | G5:6 E5:2 C5:8 | D5:4 F5:4 B4:4 D5:4 | C5:16";
constexpr std::string_view kMemory =
    "A5:6 G5:2 E5:8 | G5:6 E5:2 B4:8 | C5:4 F5:4 A5:4 G5:4 | E5:16 | "
    "F5:6 E5:2 D5:4 A4:4 | C5:6 B4:2 A4:8 | A4:4 C5:4 F5:4 A5:4 | G5:8 D5:4 B4:4";

constexpr std::string_view kRipple = "0:2 2:2 3:2 4:2 5:2 4:2 3:2 2:2";
constexpr std::string_view kSteps = "0:12 7:4";

const DrumBar kBrush = {
    {gm::kKick, "x.......x......."},
    {gm::kSideStick, "....o.......o..."},
    {gm::kRide, "o.o.o.o.o.o.o.o."},
};
const DrumBar kBrushTurn = {
    {gm::kKick, "x.......x......."},
    {gm::kSideStick, "....o.......o.oo"},
    {gm::kRide, "o.o.o.o.o.o.o..."},
};

}  // namespace

Tune ComposeEnding()
{
    Part flute{"Flute", 0, gm::kFlute, 120, 64, 90, 95, {}};
    Part piano{"Piano", 1, gm::kPiano, 127, 50, 80, 100, {}};
    Part strings{"Strings", 2, gm::kSlowStrings, 100, 80, 90, 100, {}};
    Part bass{"Bass", 3, gm::kFretlessBass, 100, 64, 40, 95, {}};
    Part bells{"Celesta", 4, gm::kCelesta, 120, 90, 90, 60, {}};
    Part drums{"Drums", kDrumChannel, 0, 110, 64, 60, 100, {}};

    Song song;
    const Section intro = song.Next("C G Am G");
    intro.Arpeggio(piano, kRipple, 48, 90);
    intro.Pad(strings, 55, 56);

    const auto verse = [&](std::string_view chords, std::string_view line, bool bellsToo) {
        const Section section = song.Next(chords);
        section.Melody(flute, line, 100);
        if (bellsToo) {
            section.Melody(bells, line, 84, 12);
        }
        section.Arpeggio(piano, kRipple, 48, 92);
        section.Pad(strings, 55, 60);
        section.Bass(bass, kSteps, 36, 84);
        section.Drums(drums, kBrush, kBrushTurn, false);
    };
    const std::string away = Joined(kSongOpening, kSongAway);
    const std::string home = Joined(kSongOpening, kSongHome);
    verse("C G Am Em F C Dm G", away, false);
    verse("C G Am Em F C G C", home, false);

    const Section memory = song.Next("Am Em F C Dm Am F G");
    memory.Melody(flute, kMemory, 104);
    memory.Arpeggio(piano, kRipple, 48, 96);
    memory.Pad(strings, 55, 66);
    memory.Bass(bass, kSteps, 36, 88);
    memory.Drums(drums, kBrush, kBrushTurn, false);

    verse("C G Am Em F C G C", home, true);

    return {"Veltrane ending", 84, song.EndTick(), {flute, piano, strings, bass, bells, drums}};
}

}  // namespace makedata::tune
