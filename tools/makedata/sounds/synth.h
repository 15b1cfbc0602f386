// The small synthesiser behind the sound effects: oscillators, noise, envelopes and filters
// over samples from -1 to 1. Only +, -, * and / are used (no library sine or exponential), so
// every build on every machine writes the same bytes.
#pragma once

#include <cstdint>
#include <vector>

namespace makedata::sound {

constexpr int kSampleRate = 22050;  // samples per second, mono
using Samples = std::vector<double>;

int SampleCount(double seconds);
double TimeOf(int sample);  // seconds from the start

// A sine of a phase counted in turns (1.0 is one whole cycle).
double SineTurns(double phase);

// Goes from `from` to `to` over `duration` seconds, fast at first and settling at the end,
// as a falling pitch or a closing filter does; holds `to` afterwards.
double Glide(double from, double to, double t, double duration);

enum class Wave { Sine, Saw, Square, Triangle };

// Keeps its phase running while the frequency changes. Saw and square are band-limited at
// their jumps so that high notes do not fold back into noise.
class Oscillator {
public:
    explicit Oscillator(Wave wave, double duty = 0.5);
    double Next(double frequency);  // hertz; advances one sample

private:
    Wave wave_;
    double duty_;
    double phase_ = 0.0;
};

// White noise from a fixed-seed xorshift generator.
class Noise {
public:
    explicit Noise(std::uint32_t seed);
    double Next();

private:
    std::uint32_t state_;
};

// Attack, decay to the sustain level, release after the gate closes; times in seconds. The
// decay and release fall along a square curve, which the ear takes for an exponential fade.
struct Envelope {
    double attack;
    double decay;
    double sustain;  // level 0 to 1
    double release;
    double Held(double t) const;              // the level while the gate is open
    double At(double t, double gate) const;  // gate: how long the note is held
};

// One-pole low-pass (6 dB per octave); the cutoff in hertz is approximate.
class LowPass {
public:
    double Next(double input, double cutoff);

private:
    double state_ = 0.0;
};

// One-pole high-pass: the input less its low-passed part.
class HighPass {
public:
    double Next(double input, double cutoff);

private:
    LowPass low_;
};

// Scales the samples so that the loudest one has the magnitude `peak`.
void Normalise(Samples& samples, double peak);

// Adds `from` times `gain` into `into`, starting `offset` seconds in; grows `into` to fit.
void MixInto(Samples& into, const Samples& from, double gain, double offset);

}  // namespace makedata::sound
