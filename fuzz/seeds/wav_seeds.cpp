// Seeds of the WAV reader: the sounds of DATA as written, the start of one written in the
// other sample formats and chunk orders the reader takes, and broken files.
#include <iterator>

#include "seed_files.h"

namespace seeds {

namespace {

constexpr uint16_t kPcm = 1, kFloat = 3, kExtensible = 0xFFFE;
constexpr size_t kFirstChunk = 12;  // after "RIFF", the size and "WAVE"

struct Format {
    uint16_t tag = kPcm;
    uint16_t channels = 1;
    uint32_t rate = 22050;
    uint16_t bits = 16;
};

Bytes Chunk(const std::string& id, const Bytes& body)
{
    Bytes chunk;
    Put(chunk, id);
    Put32(chunk, uint32_t(body.size()));
    chunk.insert(chunk.end(), body.begin(), body.end());
    if (body.size() % 2 != 0) chunk.push_back(0);  // the pad byte of an odd chunk
    return chunk;
}

Bytes FormatChunk(const Format& format)
{
    Bytes body;
    const uint16_t blockAlign = uint16_t(format.channels * format.bits / 8);
    Put16(body, format.tag);
    Put16(body, format.channels);
    Put32(body, format.rate);
    Put32(body, format.rate * blockAlign);
    Put16(body, blockAlign);
    Put16(body, format.bits);
    if (format.tag == kExtensible) {
        Put16(body, 22);
        Put16(body, format.bits);
        Put32(body, 0x4);  // front centre
        const uint8_t pcmGuid[] = {1, 0, 0, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71};
        body.insert(body.end(), std::begin(pcmGuid), std::end(pcmGuid));
    }
    return Chunk("fmt ", body);
}

// The 16-bit mono samples as the format stores them.
Bytes SampleData(const std::vector<int16_t>& samples, const Format& format)
{
    Bytes data;
    for (int16_t sample : samples) {
        for (int channel = 0; channel < format.channels; ++channel) {
            if (format.bits == 8)
                data.push_back(uint8_t((sample >> 8) + 128));
            else
                Put16(data, uint16_t(sample));
        }
    }
    return data;
}

Bytes Riff(const std::vector<Bytes>& chunks)
{
    Bytes body;
    Put(body, "WAVE");
    for (const Bytes& chunk : chunks) body.insert(body.end(), chunk.begin(), chunk.end());
    Bytes file;
    Put(file, "RIFF");
    Put32(file, uint32_t(body.size()));
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

}  // namespace

void WriteWavSeeds(const std::filesystem::path& data, const std::filesystem::path& corpus)
{
    for (const auto& entry : std::filesystem::directory_iterator(data / "snd"))
        if (entry.path().extension() == ".wav") Write(corpus, entry.path().filename().string(), ReadFile(entry.path()));

    // The first samples of the shot sound, from after its 44-byte header.
    const Bytes shot = ReadFile(data / "snd" / "shot.wav");
    std::vector<int16_t> samples;
    for (size_t at = 44; at + 1 < shot.size() && samples.size() < 201; at += 2)
        samples.push_back(int16_t(shot[at] | shot[at + 1] << 8));

    auto wave = [&samples](const Format& format) {
        return Riff({FormatChunk(format), Chunk("data", SampleData(samples, format))});
    };
    const Bytes plain = wave({});
    Write(corpus, "mono16.wav", plain);
    Write(corpus, "mono8.wav", wave({.bits = 8}));  // 201 bytes of data: an odd chunk
    Write(corpus, "stereo16-44k.wav", wave({.channels = 2, .rate = 44100}));
    Write(corpus, "stereo8.wav", wave({.channels = 2, .bits = 8}));
    Write(corpus, "extensible.wav", wave({.tag = kExtensible}));
    Write(corpus, "float.wav", wave({.tag = kFloat, .bits = 32}));
    Write(corpus, "list-first.wav",
          Riff({Chunk("LIST", Bytes{'I', 'N', 'F', 'O', 'x'}), FormatChunk({}), Chunk("data", SampleData(samples, {}))}));
    Write(corpus, "data-first.wav", Riff({Chunk("data", SampleData(samples, {})), FormatChunk({})}));
    Write(corpus, "no-data.wav", Riff({FormatChunk({})}));
    Write(corpus, "no-format.wav", Riff({Chunk("data", SampleData(samples, {}))}));

    const size_t format = kFirstChunk + 8;  // the format's fields
    const size_t dataSize = kFirstChunk + 8 + 16 + 4;
    WriteCuts(corpus, "mono16.wav", plain, format + 10);
    Write(corpus, "data-past-end.wav", Patched(plain, dataSize, {0xFF, 0xFF, 0xFF, 0x7F}));
    Write(corpus, "format-size.wav", Patched(plain, format - 4, {0xFF, 0xFF, 0xFF, 0xFF}));
    Write(corpus, "riff-short.wav", Patched(plain, 4, {20, 0, 0, 0}));
    Write(corpus, "no-channels.wav", Patched(plain, format + 2, {0, 0}));
    Write(corpus, "no-rate.wav", Patched(plain, format + 4, {0, 0, 0, 0}));
    Write(corpus, "no-block-align.wav", Patched(plain, format + 12, {0, 0}));
    Write(corpus, "bits12.wav", Patched(plain, format + 14, {12, 0}));
}

}  // namespace seeds
