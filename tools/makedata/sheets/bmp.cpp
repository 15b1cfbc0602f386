// The BMP writer: a file header, a 40-byte information header, then the pixels.
#include "bmp.h"

#include <fstream>
#include <stdexcept>

namespace sheets {

namespace {

void Put16(std::vector<std::uint8_t>& out, unsigned value)
{
    out.push_back(std::uint8_t(value));
    out.push_back(std::uint8_t(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const Canvas& canvas)
{
    const int width = canvas.Width(), height = canvas.Height();
    const std::uint32_t stride = (std::uint32_t(width) * 3 + 3) & ~3u;
    const std::uint32_t imageSize = stride * std::uint32_t(height);
    const std::uint32_t headers = 14 + 40;

    std::vector<std::uint8_t> out;
    out.reserve(headers + imageSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, headers + imageSize);
    Put32(out, 0);
    Put32(out, headers);
    Put32(out, 40);
    Put32(out, std::uint32_t(width));
    Put32(out, std::uint32_t(height));  // positive: rows run bottom-up
    Put16(out, 1);                      // planes
    Put16(out, 24);                     // bits per pixel
    Put32(out, 0);                      // no compression
    Put32(out, imageSize);
    Put32(out, 2835);  // 72 dots per inch, in dots per metre
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);

    const std::vector<std::uint8_t> rgb = canvas.Rgb8();
    for (int y = height - 1; y >= 0; --y) {
        const std::uint8_t* row = &rgb[std::size_t(y) * width * 3];
        for (int x = 0; x < width; ++x) {
            out.push_back(row[x * 3 + 2]);
            out.push_back(row[x * 3 + 1]);
            out.push_back(row[x * 3]);
        }
        for (std::uint32_t pad = std::uint32_t(width) * 3; pad < stride; ++pad) out.push_back(0);
    }
    return out;
}

void WriteBmp(const Canvas& canvas, const std::filesystem::path& file)
{
    const std::vector<std::uint8_t> bytes = EncodeBmp(canvas);
    std::ofstream stream(file, std::ios::binary);
    stream.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!stream) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace sheets
