// .x files for the reader's tests: a hand-written text cube, and the means to turn any
// text file into the binary encoding (integer and float lists as exporters write them) and
// into the MSZIP-compressed encodings.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace xsamples {

// A cube of 8 positions and 6 quads, per-face normals, texture coordinates, two materials
// (one inline with a texture, one by reference without), in a frame with an identity
// transform; comments of both kinds and a template declaration.
std::string CubeText(std::string_view version = "0303");

// A text file of one Mesh, a cube of side 2 about the origin (8 positions, 6 quads, per-face
// normals), with extra (a material list, say) added inside the Mesh.
std::string PlainCube(std::string_view extra);

// The body of a text file (after its 16-byte header) as binary tokens, with floats of
// floatBytes (4 or 8). Consecutive integers become one integer list, consecutive floats
// one float list.
std::vector<uint8_t> TextBodyToBinary(std::string_view textBody, int floatBytes);

// A whole binary file ("bin ", 32- or 64-bit floats) from a whole text file.
std::vector<uint8_t> TextToBinaryFile(const std::string& textFile, int floatBytes = 4);

// A compressed file: header (format "tzip" or "bzip"), total size, then MSZIP blocks of at
// most blockBytes, each compressed with the previous block as dictionary.
std::vector<uint8_t> Compress(std::string_view format, std::string_view floatWidth, const std::vector<uint8_t>& body,
                              size_t blockBytes);

std::vector<uint8_t> Bytes(std::string_view text);

}  // namespace xsamples
