// How each effect is built: oscillators and noise shaped by envelopes and filters, then
// scaled to a peak that balances it against the others once start-up has set the volumes.
#include "sounds/effects.h"

namespace makedata::sound {

namespace {

// Every effect sits 8 dB under the peak that balances it, and the music synthesiser's gain
// as far under the tunes' balanced level, so the balance of tunes and effects holds while
// the loudest bursts heard in play stay under full scale: at the balanced levels the big
// explosion over an enemy's, a hit and a shot reached 1.5 times full scale, and a drum hit
// of the tune adds up to 0.8 more.
constexpr double kMixHeadroom = 0.398;

void ScaleToPeak(Samples& samples, double balancedPeak)
{
    Normalise(samples, kMixHeadroom * balancedPeak);
}

// A decaying noise burst whose low-pass closes from `open` to `closed` hertz.
Samples NoiseBurst(std::uint32_t seed, double seconds, double open, double closed, Envelope envelope)
{
    Noise noise(seed);
    LowPass first;
    LowPass second;
    Samples out(static_cast<std::size_t>(SampleCount(seconds)));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = TimeOf(static_cast<int>(i));
        const double cutoff = Glide(open, closed, t, seconds);
        out[i] = second.Next(first.Next(noise.Next(), cutoff), cutoff) * envelope.At(t, seconds);
    }
    return out;
}

// A sine whose pitch falls from `high` to `low` hertz: the thump under an explosion.
Samples Thump(double seconds, double high, double low, double fall)
{
    Oscillator sine(Wave::Sine);
    const Envelope envelope{0.002, seconds - 0.002, 0.0, 0.0};
    Samples out(static_cast<std::size_t>(SampleCount(seconds)));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = TimeOf(static_cast<int>(i));
        out[i] = sine.Next(Glide(high, low, t, fall)) * envelope.At(t, seconds);
    }
    return out;
}

// A pulse wave with a quieter sine an octave above it: the chime's voice.
Samples Chime(double seconds, double frequency, Envelope envelope)
{
    Oscillator pulse(Wave::Square, 0.25);
    Oscillator octave(Wave::Sine);
    LowPass soften;
    Samples out(static_cast<std::size_t>(SampleCount(seconds)));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = TimeOf(static_cast<int>(i));
        const double voice = pulse.Next(frequency) + 0.3 * octave.Next(2.0 * frequency);
        out[i] = soften.Next(voice, 7000.0) * envelope.At(t, seconds - envelope.release);
    }
    return out;
}

}  // namespace

Samples MakeEnter()
{
    Samples out;
    MixInto(out, Chime(0.08, 987.77, {0.003, 0.02, 0.8, 0.01}), 0.8, 0.0);           // B5
    MixInto(out, Chime(0.42, 1479.98, {0.003, 0.12, 0.45, 0.22}), 1.0, 0.07);        // F#6
    ScaleToPeak(out, 0.89);
    return out;
}

Samples MakeShot()
{
    constexpr double kLength = 0.16;
    Oscillator square(Wave::Square, 0.5);
    Noise noise(0x5107);
    HighPass hiss;
    const Envelope body{0.001, kLength - 0.001, 0.0, 0.0};
    const Envelope spit{0.0005, 0.02, 0.0, 0.0};
    Samples out(static_cast<std::size_t>(SampleCount(kLength)));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = TimeOf(static_cast<int>(i));
        const double tone = square.Next(Glide(1500.0, 240.0, t, 0.12)) * body.At(t, kLength);
        out[i] = 0.6 * tone + 0.5 * hiss.Next(noise.Next(), 2500.0) * spit.At(t, kLength);
    }
    ScaleToPeak(out, 0.85);
    return out;
}

Samples MakeEnemyDie()
{
    Samples out = NoiseBurst(0xE1E1, 0.6, 6500.0, 250.0, {0.002, 0.55, 0.0, 0.0});
    MixInto(out, Thump(0.3, 160.0, 45.0, 0.22), 0.5, 0.0);
    ScaleToPeak(out, 0.7);
    return out;
}

Samples MakeDamage()
{
    constexpr double kLength = 0.34;
    // Two squares a few hertz apart beat against each other: a rough, metallic knock.
    Oscillator low(Wave::Square, 0.5);
    Oscillator beat(Wave::Square, 0.4);
    Noise noise(0xDA3E);
    HighPass crack;
    LowPass tame;
    const Envelope body{0.001, 0.05, 0.55, 0.25};
    const Envelope hit{0.0005, 0.04, 0.0, 0.0};
    Samples out(static_cast<std::size_t>(SampleCount(kLength)));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = TimeOf(static_cast<int>(i));
        const double pitch = Glide(190.0, 95.0, t, 0.3);
        const double tone = (low.Next(pitch) + beat.Next(pitch * 1.06)) * body.At(t, 0.08);
        const double knock = crack.Next(noise.Next(), 1800.0) * hit.At(t, kLength);
        out[i] = tame.Next(0.5 * tone + 0.45 * knock, 3200.0);
    }
    ScaleToPeak(out, 0.5);
    return out;
}

Samples MakeSiren()
{
    constexpr double kLength = 0.8;  // 48 frames: ends before the next one starts
    Oscillator saw(Wave::Saw);
    Oscillator sub(Wave::Triangle);
    LowPass tame;
    const Envelope envelope{0.02, 0.0, 1.0, 0.14};
    Samples out(static_cast<std::size_t>(SampleCount(kLength)));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = TimeOf(static_cast<int>(i));
        // A rising whoop that sags a little at its end.
        const double pitch = t < 0.56 ? 560.0 + 540.0 * t / 0.56 : Glide(1100.0, 900.0, t - 0.56, 0.24);
        const double voice = saw.Next(pitch) + 0.6 * sub.Next(pitch * 0.5);
        out[i] = tame.Next(voice, 2800.0) * envelope.At(t, kLength - 0.14);
    }
    ScaleToPeak(out, 0.6);
    return out;
}

Samples MakeLaser()
{
    constexpr double kLength = 0.4;
    // Every pitch and the buzz are whole multiples of 60 Hz, so a beam restarted on each
    // frame joins up with itself instead of stuttering.
    Oscillator saw(Wave::Saw);
    Oscillator square(Wave::Square, 0.5);
    Oscillator whine(Wave::Sine);
    Oscillator buzz(Wave::Sine);
    Noise noise(0x1A5E);
    HighPass sizzle;
    LowPass tame;
    const Envelope envelope{0.001, 0.0, 1.0, 0.25};
    Samples out(static_cast<std::size_t>(SampleCount(kLength)));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = TimeOf(static_cast<int>(i));
        const double tone = saw.Next(240.0) + 0.35 * square.Next(960.0) + 0.25 * whine.Next(1920.0);
        const double hum = 0.8 + 0.2 * buzz.Next(60.0);
        const double voice = tone * hum + 0.12 * sizzle.Next(noise.Next(), 5000.0);
        out[i] = tame.Next(voice, 4500.0) * envelope.At(t, 0.15);
    }
    ScaleToPeak(out, 0.4);
    return out;
}

Samples MakeBossDie()
{
    Samples out = NoiseBurst(0xB055, 1.8, 7000.0, 140.0, {0.002, 1.75, 0.0, 0.0});
    MixInto(out, Thump(1.0, 110.0, 28.0, 0.6), 1.1, 0.0);
    // Secondary blasts as the wreck breaks up.
    MixInto(out, NoiseBurst(0xB056, 0.4, 3500.0, 300.0, {0.002, 0.38, 0.0, 0.0}), 0.6, 0.22);
    MixInto(out, NoiseBurst(0xB057, 0.5, 2500.0, 200.0, {0.002, 0.48, 0.0, 0.0}), 0.5, 0.5);
    MixInto(out, Thump(0.4, 90.0, 35.0, 0.3), 0.5, 0.5);
    ScaleToPeak(out, 0.92);
    return out;
}

}  // namespace makedata::sound
