// Reading, writing and breaking seed files.
#include "seed_files.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "image.h"

namespace seeds {

Bytes ReadFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Write(const std::filesystem::path& corpus, const std::string& name, const Bytes& bytes)
{
    std::filesystem::create_directories(corpus);
    std::ofstream out(corpus / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + (corpus / name).string());
}

Bytes Cut(const Bytes& bytes, size_t count) { return Bytes(bytes.begin(), bytes.begin() + std::min(count, bytes.size())); }

Bytes Patched(Bytes bytes, size_t offset, std::initializer_list<uint8_t> patch)
{
    for (uint8_t value : patch) {
        if (offset < bytes.size()) bytes[offset] = value;
        ++offset;
    }
    return bytes;
}

void Put16(Bytes& out, uint32_t value) { out.insert(out.end(), {uint8_t(value), uint8_t(value >> 8)}); }

void Put32(Bytes& out, uint32_t value)
{
    out.insert(out.end(), {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)});
}

void Put(Bytes& out, const std::string& text) { out.insert(out.end(), text.begin(), text.end()); }

void WriteCuts(const std::filesystem::path& corpus, const std::string& name, const Bytes& bytes, size_t headerBytes)
{
    Write(corpus, name + ".cut1", Cut(bytes, headerBytes));
    Write(corpus, name + ".cut2", Cut(bytes, bytes.size() / 2));
    Write(corpus, name + ".cut3", Cut(bytes, bytes.size() - 1));
}

Picture Crop(const std::filesystem::path& file, uint32_t x, uint32_t y, uint32_t width, uint32_t height)
{
    const Bytes bytes = ReadFile(file);
    d3dx9::Image image;
    if (!d3dx9::DecodeImage(bytes.data(), bytes.size(), image) || x + width > image.width || y + height > image.height)
        throw std::runtime_error("no such block in " + file.string());
    Picture picture{width, height, {}};
    for (uint32_t row = 0; row < height; ++row) {
        const uint32_t* from = &image.pixels[size_t(y + row) * image.width + x];
        picture.pixels.insert(picture.pixels.end(), from, from + width);
    }
    return picture;
}

}  // namespace seeds
