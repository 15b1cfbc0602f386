// RGB pictures for the model textures, the noise they are painted with, and the two file
// formats they are stored in.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "models/mesh.h"

namespace makedata {

struct Image {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;

    Image(int w, int h) : width(w), height(h), rgb(static_cast<size_t>(w) * static_cast<size_t>(h) * 3, 0) {}
    // Channels 0.0 to 1.0, clamped.
    void Set(int x, int y, Colour colour);
    Colour Get(int x, int y) const;
};

// Smooth value noise 0 to 1 that repeats every `period` cells in x and in y, so a
// texture painted with it tiles without a seam.
float TileNoise(float x, float y, int period, uint32_t seed);
// Several octaves of it, each twice as fine and half as strong.
float TileFractal(float x, float y, int period, int octaves, uint32_t seed);

Colour Mix(Colour a, Colour b, float t);
Colour Scale(Colour c, float s);

void WritePng(const Image& image, const std::filesystem::path& file);
// Top-down rows of 8-bit red, green, blue and alpha.
void WritePngRgba(int width, int height, const std::vector<uint8_t>& rgba, const std::filesystem::path& file);
void WriteJpeg(const Image& image, const std::filesystem::path& file, int quality);

}  // namespace makedata
