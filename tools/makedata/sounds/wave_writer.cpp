// RIFF WAVE encoding of the effects.
#include "sounds/wave_writer.h"

#include <cmath>
#include <stdexcept>

namespace makedata::sound {

namespace {

void PutTag(std::vector<std::uint8_t>& out, const std::string& tag)
{
    if (tag.size() != 4) {
        throw std::invalid_argument("a RIFF chunk id has four letters: " + tag);
    }
    out.insert(out.end(), tag.begin(), tag.end());
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

std::vector<std::uint8_t> ListChunk(const std::vector<InfoText>& info)
{
    std::vector<std::uint8_t> body;
    PutTag(body, "INFO");
    for (const InfoText& entry : info) {
        PutTag(body, entry.id);
        Put32(body, static_cast<std::uint32_t>(entry.text.size() + 1));
        body.insert(body.end(), entry.text.begin(), entry.text.end());
        body.push_back(0);
        if (body.size() % 2 != 0) {
            body.push_back(0);  // sub-chunks start on even offsets
        }
    }
    std::vector<std::uint8_t> chunk;
    PutTag(chunk, "LIST");
    Put32(chunk, static_cast<std::uint32_t>(body.size()));
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

}  // namespace

std::vector<std::uint8_t> EncodeWave(const Samples& samples, const std::vector<InfoText>& info)
{
    constexpr std::uint32_t kChannels = 1;
    constexpr std::uint32_t kBytesPerSample = 2;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);

    std::vector<std::uint8_t> chunks;
    PutTag(chunks, "fmt ");
    Put32(chunks, 16);
    Put16(chunks, 1);  // PCM
    Put16(chunks, kChannels);
    Put32(chunks, kSampleRate);
    Put32(chunks, kSampleRate * kChannels * kBytesPerSample);
    Put16(chunks, kChannels * kBytesPerSample);
    Put16(chunks, kBytesPerSample * 8);
    if (!info.empty()) {
        const std::vector<std::uint8_t> list = ListChunk(info);
        chunks.insert(chunks.end(), list.begin(), list.end());
    }
    PutTag(chunks, "data");
    Put32(chunks, dataSize);
    for (double s : samples) {
        const double clipped = std::fmax(-1.0, std::fmin(1.0, s));
        Put16(chunks, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(clipped * 32767.0))));
    }

    std::vector<std::uint8_t> file;
    PutTag(file, "RIFF");
    Put32(file, static_cast<std::uint32_t>(4 + chunks.size()));
    PutTag(file, "WAVE");
    file.insert(file.end(), chunks.begin(), chunks.end());
    return file;
}

}  // namespace makedata::sound
