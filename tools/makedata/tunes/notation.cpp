// Reading the composer's shorthand.
#include "tunes/notation.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

#include "tunes/tune.h"

namespace makedata::tune {

namespace {

std::vector<std::string_view> Words(std::string_view text)
{
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t start = text.find_first_not_of(" \n\t", at);
        if (start == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(text.find_first_of(" \n\t", start), text.size());
        words.push_back(text.substr(start, end - start));
        at = end;
    }
    return words;
}

// Reads a note letter with its sharp or flat off the front of `text`: semitones above the C
// of the letter's octave, so Cb gives -1 and B# gives 12.
int TakeLetter(std::string_view& text)
{
    static constexpr int kClasses[7] = {9, 11, 0, 2, 4, 5, 7};  // A to G
    if (text.empty() || text[0] < 'A' || text[0] > 'G') {
        throw std::invalid_argument("not a note name: " + std::string(text));
    }
    int pitchClass = kClasses[text[0] - 'A'];
    text.remove_prefix(1);
    if (!text.empty() && (text[0] == '#' || text[0] == 'b')) {
        pitchClass += text[0] == '#' ? 1 : -1;
        text.remove_prefix(1);
    }
    return pitchClass;
}

std::vector<int> ChordIntervals(std::string_view quality)
{
    struct Quality {
        std::string_view name;
        std::vector<int> intervals;
    };
    static const Quality kQualities[] = {
        {"", {0, 4, 7}},     {"m", {0, 3, 7}},        {"7", {0, 4, 7, 10}},    {"m7", {0, 3, 7, 10}},
        {"maj7", {0, 4, 7, 11}}, {"sus4", {0, 5, 7}}, {"dim", {0, 3, 6}},      {"5", {0, 7}},
        {"add9", {0, 4, 7, 14}}, {"madd9", {0, 3, 7, 14}},
    };
    for (const Quality& q : kQualities) {
        if (q.name == quality) {
            return q.intervals;
        }
    }
    throw std::invalid_argument("unknown chord quality: " + std::string(quality));
}

// Splits "value:length" and keeps the running length.
std::string_view SplitLength(std::string_view word, int& steps)
{
    const std::size_t colon = word.find(':');
    if (colon == std::string_view::npos) {
        return word;
    }
    steps = ParseNumber(word.substr(colon + 1));
    if (steps <= 0) {
        throw std::invalid_argument("a length must be positive: " + std::string(word));
    }
    return word.substr(0, colon);
}

}  // namespace

int ParseNumber(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        throw std::invalid_argument("not a number: " + std::string(text));
    }
    return value;
}

int ParsePitch(std::string_view text)
{
    const int letter = TakeLetter(text);
    const int key = 12 * (ParseNumber(text) + 1) + letter;
    if (key < 0 || key > 127) {
        throw std::invalid_argument("pitch out of the MIDI range");
    }
    return key;
}

std::vector<Chord> ParseChords(std::string_view text, int startTick)
{
    std::vector<Chord> chords;
    int tick = startTick;
    for (std::string_view word : Words(text)) {
        int steps = kStepsPerBar;
        std::string_view symbol = SplitLength(word, steps);
        const int root = (TakeLetter(symbol) + 12) % 12;
        chords.push_back({root, ChordIntervals(symbol), tick, steps * kTicksPerStep});
        tick += steps * kTicksPerStep;
    }
    return chords;
}

std::string Joined(std::string_view first, std::string_view second)
{
    return std::string(first) + " " + std::string(second);
}

std::vector<Step> ParseSteps(std::string_view text)
{
    std::vector<Step> steps;
    int length = 4;
    for (std::string_view word : Words(text)) {
        if (word == "|") {
            steps.push_back({Step::Kind::BarLine, {}, 0});
            continue;
        }
        const std::string_view value = SplitLength(word, length);
        if (value == "r") {
            steps.push_back({Step::Kind::Rest, {}, length});
        } else if (value == "~") {
            steps.push_back({Step::Kind::Tie, {}, length});
        } else {
            Step step{Step::Kind::Sound, {}, length};
            std::size_t at = 0;
            while (at <= value.size()) {
                const std::size_t plus = std::min(value.find('+', at), value.size());
                step.values.emplace_back(value.substr(at, plus - at));
                at = plus + 1;
            }
            steps.push_back(std::move(step));
        }
    }
    return steps;
}

}  // namespace makedata::tune
