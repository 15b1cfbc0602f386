// Writing lines, patterns, held chords and drum grooves into a section.
#include "tunes/section.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "tunes/general_midi.h"

namespace makedata::tune {

namespace {

// Off-beat notes are played a little softer than those on the beat, which gives the
// patterns their lilt.
int Accented(int tick, int velocity)
{
    const int offBeat = tick % kTicksPerQuarter == 0 ? 0 : tick % (kTicksPerQuarter / 2) == 0 ? 8 : 14;
    return std::clamp(velocity - offBeat, 1, 127);
}

int DrumVelocity(char step)
{
    switch (step) {
    case 'X':
        return 120;
    case 'x':
        return 96;
    case 'o':
        return 64;
    case '.':
        return 0;
    }
    throw std::invalid_argument(std::string("unknown drum step: ") + step);
}

// The key of a pitch class at or above `lowKey`.
int KeyAtOrAbove(int pitchClass, int lowKey)
{
    return lowKey + ((pitchClass - lowKey) % 12 + 12) % 12;
}

}  // namespace

Section::Section(std::vector<Chord> chords) : chords_(std::move(chords))
{
    if (chords_.empty()) {
        throw std::invalid_argument("a section needs chords");
    }
    startTick_ = chords_.front().startTick;
    endTick_ = chords_.back().startTick + chords_.back().lengthTicks;
    if ((endTick_ - startTick_) % kTicksPerBar != 0) {
        throw std::invalid_argument("a section's chords must fill whole bars");
    }
}

int Section::EndTick() const
{
    return endTick_;
}

const Chord& Section::ChordAt(int tick) const
{
    for (const Chord& chord : chords_) {
        if (tick < chord.startTick + chord.lengthTicks) {
            return chord;
        }
    }
    return chords_.back();
}

void Section::Melody(Part& part, std::string_view line, int velocity, int transpose) const
{
    int tick = startTick_;
    std::size_t lastSound = part.notes.size();  // the notes a tie lengthens
    for (const Step& step : ParseSteps(line)) {
        const int length = step.steps * kTicksPerStep;
        switch (step.kind) {
        case Step::Kind::BarLine:
            if ((tick - startTick_) % kTicksPerBar != 0) {
                throw std::invalid_argument(part.name + ": bar line in mid-bar at tick " + std::to_string(tick));
            }
            continue;
        case Step::Kind::Rest:
            lastSound = part.notes.size();
            break;
        case Step::Kind::Tie:
            if (lastSound == part.notes.size()) {
                throw std::invalid_argument(part.name + ": a tie with no note before it");
            }
            for (std::size_t i = lastSound; i < part.notes.size(); ++i) {
                part.notes[i].length += length;
            }
            break;
        case Step::Kind::Sound:
            lastSound = part.notes.size();
            for (const std::string& pitch : step.values) {
                part.notes.push_back({tick, length, ParsePitch(pitch) + transpose, Accented(tick, velocity)});
            }
            break;
        }
        tick += length;
    }
    if (tick != endTick_) {
        throw std::invalid_argument(part.name + ": a line does not fill its section");
    }
}

template <typename KeysOf>
void Section::Pattern(Part& part, std::string_view bar, int velocity, KeysOf keysOf) const
{
    const std::vector<Step> steps = ParseSteps(bar);
    for (int barTick = startTick_; barTick < endTick_; barTick += kTicksPerBar) {
        int tick = barTick;
        for (const Step& step : steps) {
            if (step.kind == Step::Kind::Sound) {
                for (const std::string& value : step.values) {
                    const int key = keysOf(ChordAt(tick), ParseNumber(value));
                    part.notes.push_back({tick, step.steps * kTicksPerStep, key, Accented(tick, velocity)});
                }
            } else if (step.kind != Step::Kind::Rest) {
                throw std::invalid_argument(part.name + ": patterns hold notes and rests only");
            }
            tick += step.steps * kTicksPerStep;
        }
        if (tick != barTick + kTicksPerBar) {
            throw std::invalid_argument(part.name + ": a pattern must fill one bar");
        }
    }
}

void Section::Bass(Part& part, std::string_view bar, int lowKey, int velocity) const
{
    Pattern(part, bar, velocity, [lowKey](const Chord& chord, int semitones) {
        return KeyAtOrAbove(chord.root, lowKey) + semitones;
    });
}

void Section::Arpeggio(Part& part, std::string_view bar, int lowKey, int velocity) const
{
    Pattern(part, bar, velocity, [lowKey](const Chord& chord, int index) {
        std::vector<int> tones;
        for (int interval : chord.intervals) {
            tones.push_back(KeyAtOrAbove((chord.root + interval) % 12, lowKey));
        }
        std::sort(tones.begin(), tones.end());
        const int count = static_cast<int>(tones.size());
        return tones[static_cast<std::size_t>(index % count)] + 12 * (index / count);
    });
}

void Section::Pad(Part& part, int lowKey, int velocity) const
{
    for (const Chord& chord : chords_) {
        for (int interval : chord.intervals) {
            const int key = KeyAtOrAbove((chord.root + interval) % 12, lowKey);
            part.notes.push_back({chord.startTick, chord.lengthTicks, key, velocity});
        }
    }
}

void Section::Drums(Part& part, const DrumBar& groove, const DrumBar& fill, bool crash) const
{
    for (int barTick = startTick_; barTick < endTick_; barTick += kTicksPerBar) {
        const bool last = barTick + kTicksPerBar == endTick_;
        for (const DrumLine& line : last && !fill.empty() ? fill : groove) {
            int step = 0;
            for (char c : line.steps) {
                if (c == ' ') {
                    continue;
                }
                const int velocity = DrumVelocity(c);
                if (velocity > 0) {
                    part.notes.push_back({barTick + step * kTicksPerStep, kTicksPerStep, line.key, velocity});
                }
                ++step;
            }
            if (step != kStepsPerBar) {
                throw std::invalid_argument(part.name + ": a drum line must have sixteen steps");
            }
        }
    }
    if (crash) {
        part.notes.push_back({startTick_, kTicksPerStep, gm::kCrash, 112});
    }
}

Section Song::Next(std::string_view chords)
{
    Section section(ParseChords(chords, endTick_));
    endTick_ = section.EndTick();
    return section;
}

}  // namespace makedata::tune
