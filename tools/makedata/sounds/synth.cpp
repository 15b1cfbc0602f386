// Oscillators, noise, envelopes and filters of the effect synthesiser.
#include "sounds/synth.h"

#include <cmath>

namespace makedata::sound {

namespace {

constexpr double kPi = 3.14159265358979323846;

// How far a band-limited step has to be bent near a jump at phase 0: t is the phase within
// the cycle and dt the phase step of one sample.
double StepCorrection(double t, double dt)
{
    if (t < dt) {
        const double x = t / dt;
        return x + x - x * x - 1.0;
    }
    if (t > 1.0 - dt) {
        const double x = (t - 1.0) / dt;
        return x * x + x + x + 1.0;
    }
    return 0.0;
}

double Wrap(double phase)
{
    return phase - std::floor(phase);
}

}  // namespace

int SampleCount(double seconds)
{
    return static_cast<int>(seconds * kSampleRate + 0.5);
}

double TimeOf(int sample)
{
    return static_cast<double>(sample) / kSampleRate;
}

double SineTurns(double phase)
{
    // Fold the cycle onto a quarter turn either side of zero, where the series below is
    // accurate to a few millionths, far under one step of 16-bit sound.
    const double p = Wrap(phase);
    double x;
    if (p < 0.25) {
        x = 2.0 * kPi * p;
    } else if (p < 0.75) {
        x = 2.0 * kPi * (0.5 - p);
    } else {
        x = 2.0 * kPi * (p - 1.0);
    }
    const double x2 = x * x;
    return x * (1.0 - x2 / 6.0 * (1.0 - x2 / 20.0 * (1.0 - x2 / 42.0 * (1.0 - x2 / 72.0))));
}

double Glide(double from, double to, double t, double duration)
{
    if (t >= duration) {
        return to;
    }
    const double rest = 1.0 - t / duration;
    return to + (from - to) * rest * rest;
}

Oscillator::Oscillator(Wave wave, double duty) : wave_(wave), duty_(duty) {}

double Oscillator::Next(double frequency)
{
    const double dt = frequency / kSampleRate;
    const double p = phase_;
    phase_ = Wrap(phase_ + dt);
    switch (wave_) {
    case Wave::Sine:
        return SineTurns(p);
    case Wave::Saw:
        return 2.0 * p - 1.0 - StepCorrection(p, dt);
    case Wave::Square:
        return (p < duty_ ? 1.0 : -1.0) + StepCorrection(p, dt) - StepCorrection(Wrap(p + 1.0 - duty_), dt);
    case Wave::Triangle:
        return p < 0.5 ? 4.0 * p - 1.0 : 3.0 - 4.0 * p;
    }
    return 0.0;
}

Noise::Noise(std::uint32_t seed) : state_(seed ? seed : 1u) {}

double Noise::Next()
{
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483647.5 - 1.0;
}

double Envelope::Held(double t) const
{
    if (t < attack) {
        return t / attack;
    }
    if (t < attack + decay) {
        const double rest = 1.0 - (t - attack) / decay;
        return sustain + (1.0 - sustain) * rest * rest;
    }
    return sustain;
}

double Envelope::At(double t, double gate) const
{
    if (t < 0.0) {
        return 0.0;
    }
    if (t < gate) {
        return Held(t);
    }
    if (t >= gate + release) {
        return 0.0;
    }
    const double rest = 1.0 - (t - gate) / release;
    return Held(gate) * rest * rest;
}

double LowPass::Next(double input, double cutoff)
{
    const double w = 2.0 * kPi * cutoff / kSampleRate;
    state_ += (input - state_) * (w / (1.0 + w));
    return state_;
}

double HighPass::Next(double input, double cutoff)
{
    return input - low_.Next(input, cutoff);
}

void Normalise(Samples& samples, double peak)
{
    double loudest = 0.0;
    for (double s : samples) {
        loudest = std::fmax(loudest, std::fabs(s));
    }
    if (loudest == 0.0) {
        return;
    }
    for (double& s : samples) {
        s *= peak / loudest;
    }
}

void MixInto(Samples& into, const Samples& from, double gain, double offset)
{
    const std::size_t start = static_cast<std::size_t>(SampleCount(offset));
    if (into.size() < start + from.size()) {
        into.resize(start + from.size(), 0.0);
    }
    for (std::size_t i = 0; i < from.size(); ++i) {
        into[start + i] += from[i] * gain;
    }
}

}  // namespace makedata::sound
