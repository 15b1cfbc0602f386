// Fixed-seed noise for the painters: the same numbers on every run.
#pragma once

#include <cstdint>

namespace sheets {

// 0..1 for a lattice point.
float Hash(int x, int y, int seed);
// Smooth value noise, 0..1.
float ValueNoise(float x, float y, int seed);
// Octaves of value noise, each twice as fine and half as strong; 0..1.
float Fractal(float x, float y, int octaves, int seed);

// A small generator for scattering stars and sparks.
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed ? seed : 1) {}
    float Next();  // 0..1
    float Range(float low, float high) { return low + (high - low) * Next(); }

private:
    std::uint32_t state_;
};

}  // namespace sheets
