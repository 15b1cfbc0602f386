// Seeds of the .x reader: every model of DATA as written (text, and the boss in binary),
// the smallest model in each of the four encodings (text, binary with 32- and 64-bit
// floats, "tzip", "bzip"), and broken files.
#include <string>

#include "seed_files.h"
#include "xfile_samples.h"

namespace seeds {

namespace {

constexpr size_t kHeaderBytes = 16;
constexpr size_t kBlockBytes = 2048;  // small, so the compressed seeds hold several blocks

Bytes Body(const Bytes& file) { return Bytes(file.begin() + kHeaderBytes, file.end()); }

}  // namespace

void WriteXSeeds(const std::filesystem::path& data, const std::filesystem::path& corpus)
{
    for (const auto& entry : std::filesystem::directory_iterator(data / "XFILE"))
        if (entry.path().extension() == ".x") Write(corpus, entry.path().filename().string(), ReadFile(entry.path()));

    const Bytes text = ReadFile(data / "XFILE" / "tama.x");
    const std::string textFile(text.begin(), text.end());
    const Bytes binary = xsamples::TextToBinaryFile(textFile, 4);
    const Bytes tzip = xsamples::Compress("tzip", "0032", Body(text), kBlockBytes);
    const Bytes bzip = xsamples::Compress("bzip", "0032", Body(binary), kBlockBytes);
    Write(corpus, "tama.bin32.x", binary);
    Write(corpus, "tama.bin64.x", xsamples::TextToBinaryFile(textFile, 8));
    Write(corpus, "tama.tzip.x", tzip);
    Write(corpus, "tama.bzip.x", bzip);
    Write(corpus, "boss.bzip.x", xsamples::Compress("bzip", "0032", Body(ReadFile(data / "XFILE" / "Boss1.x")), 1 << 15));

    WriteCuts(corpus, "tama.x", text, kHeaderBytes + 40);
    WriteCuts(corpus, "tama.bin32.x", binary, kHeaderBytes + 40);
    WriteCuts(corpus, "tama.tzip.x", tzip, kHeaderBytes + 4);
    WriteCuts(corpus, "tama.bzip.x", bzip, kHeaderBytes + 4);
    // A total size far past the blocks, and a block whose stated size is not what inflates.
    Write(corpus, "tama.tzip.total.x", Patched(tzip, kHeaderBytes, {0xFF, 0xFF, 0xFF, 0x7F}));
    Write(corpus, "tama.tzip.block.x", Patched(tzip, kHeaderBytes + 4, {0xFF, 0xFF}));
    Write(corpus, "unknown-encoding.x", Patched(text, 8, {'z', 'i', 'p', ' '}));
    // An integer list claiming far more numbers than follow.
    Bytes list;
    Put(list, "xof 0303bin 0032");
    Put16(list, 6);
    Put32(list, 0x7FFFFFFF);
    Put32(list, 1);
    Write(corpus, "huge-list.x", list);
    // Frames nested deeper than any model goes.
    std::string deep = "xof 0303txt 0032\n";
    for (int i = 0; i < 300; ++i) deep += "Frame f" + std::to_string(i) + " {\n";
    Write(corpus, "deep.x", Bytes(deep.begin(), deep.end()));
}

}  // namespace seeds
