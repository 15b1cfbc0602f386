// The WAV reader on files made for each rule, and LoadWaveBuffer on real-world files:
// what the mixer can play loads with every sample byte, everything else fails cleanly.
#include <gtest/gtest.h>

#include <map>

#include "audio/sound_effects.h"
#include "audio/wave_reader.h"
#include "riff_bytes.h"
#include "shell/startup.h"
#include "sound_test_support.h"
#include "support/testdata.h"

using namespace test_audio;

namespace {

std::string Write(const Bytes& bytes)
{
    return WriteTemp(std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".wav", bytes);
}

// Opens, reads every sample and closes, as LoadWaveBuffer does; the samples, or none.
std::optional<Bytes> ReadWave(const Bytes& file, WAVEFORMATEX* format = nullptr)
{
    if (!WaveOpen(Write(file).c_str())) {
        if (g_waveFile) WaveClose();
        std::free(g_waveFormat);
        g_waveFormat = nullptr;
        return std::nullopt;
    }
    Bytes samples(g_waveDataChunk.cksize);
    UINT read = 0;
    EXPECT_TRUE(WaveRead(UINT(samples.size()), samples.data(), &read, format));
    EXPECT_EQ(read, samples.size());
    EXPECT_EQ(g_waveDataChunk.cksize, 0u);  // counts down as bytes are read
    WaveClose();
    return samples;
}

const Bytes kSamples = Samples16({1, -2, 300, -400, 5000});

TEST(WaveReader, PcmGivesABaseRecordWithNoExtraBytes)
{
    ASSERT_TRUE(WaveOpen(Write(Riff({{"fmt ", Format(1, 2, 22050, 16)}, {"data", kSamples}})).c_str()));
    ASSERT_NE(g_waveFormat, nullptr);
    EXPECT_EQ(g_waveFormat->nChannels, 2);
    EXPECT_EQ(g_waveFormat->nSamplesPerSec, 22050u);
    EXPECT_EQ(g_waveFormat->nBlockAlign, 4);
    EXPECT_EQ(g_waveFormat->cbSize, 0);
    EXPECT_EQ(g_waveRiffChunk.dwDataOffset, 8u);
    EXPECT_EQ(g_waveDataChunk.cksize, kSamples.size());
    Bytes samples(4);
    UINT read = 0;
    WAVEFORMATEX format = {};
    ASSERT_TRUE(WaveRead(4, samples.data(), &read, &format));
    EXPECT_EQ(read, 4u);
    EXPECT_EQ(samples, Bytes(kSamples.begin(), kSamples.begin() + 4));
    EXPECT_EQ(format.wBitsPerSample, 16);
    EXPECT_EQ(g_waveFormat, nullptr);  // WaveRead freed the block
    EXPECT_EQ(g_waveDataChunk.cksize, kSamples.size() - 4);
    EXPECT_TRUE(WaveClose());
}

TEST(WaveReader, OtherTagsKeepTheirExtraBytesInTheBlock)
{
    Bytes extra(32);
    for (size_t i = 0; i < extra.size(); ++i) extra[i] = uint8_t(0xA0 + i);
    ASSERT_TRUE(WaveOpen(Write(Riff({{"fmt ", Format(2, 1, 22050, 4, 32, extra)}, {"data", kSamples}})).c_str()));
    ASSERT_NE(g_waveFormat, nullptr);
    EXPECT_EQ(g_waveFormat->wFormatTag, 2);
    EXPECT_EQ(g_waveFormat->cbSize, 32);
    EXPECT_EQ(Bytes(reinterpret_cast<uint8_t*>(g_waveFormat + 1), reinterpret_cast<uint8_t*>(g_waveFormat + 1) + 32),
              extra);
    WAVEFORMATEX format = {};
    Bytes samples(kSamples.size());
    UINT read = 0;
    ASSERT_TRUE(WaveRead(UINT(samples.size()), samples.data(), &read, &format));
    EXPECT_EQ(format.cbSize, 32);  // the base record only: the size, not the bytes
    WaveClose();
}

TEST(WaveReader, FindsTheSamplesWhereverTheChunksLie)
{
    const Chunk format = {"fmt ", Format(1, 1, 44100, 16)};
    const Chunk data = {"data", kSamples};
    const Chunk list = {"LIST", Bytes{'I', 'N', 'F', 'O', 'I', 'N', 'A', 'M', 3, 0, 0, 0, 'a', 'b', 'c'}};
    EXPECT_EQ(ReadWave(Riff({format, data})), kSamples);
    EXPECT_EQ(ReadWave(Riff({format, list, data})), kSamples);
    EXPECT_EQ(ReadWave(Riff({data, format})), kSamples);
    EXPECT_EQ(ReadWave(Riff({{"JUNK", Bytes(5, 0xEE)}, data, list, format})), kSamples);
}

TEST(WaveReader, RefusesMalformedFilesBeforeSizingAnythingFromThem)
{
    const Chunk format = {"fmt ", Format(1, 1, 44100, 16)};
    const Chunk data = {"data", kSamples};
    EXPECT_FALSE(ReadWave(Riff({{"fmt ", Bytes(14, 1)}, data})));  // a 14-byte "fmt "
    EXPECT_FALSE(ReadWave(Riff({format})));  // no "data"
    EXPECT_FALSE(ReadWave(Riff({data})));  // no "fmt "
    EXPECT_FALSE(ReadWave(Riff({format, data}, {}, "AVI ")));
    Bytes notRiff = Riff({format, data});
    notRiff[0] = 'J';
    EXPECT_FALSE(ReadWave(notRiff));
    // A "data" chunk larger than the file, and the same file cut short.
    EXPECT_FALSE(ReadWave(Riff({format, {"data", kSamples, 0x7FFFFF00u}})));
    Bytes truncated = Riff({format, data});
    truncated.resize(truncated.size() - 3);
    EXPECT_FALSE(ReadWave(truncated));
    // A chunk running past the end of the RIFF chunk that holds it.
    EXPECT_FALSE(ReadWave(Riff({format, data}, 4 + 24 + 8)));
    // An extra size the "fmt " chunk cannot hold, and one missing altogether.
    EXPECT_FALSE(ReadWave(Riff({{"fmt ", Format(2, 1, 22050, 4, 0xFFFF, Bytes(4))}, data})));
    EXPECT_FALSE(ReadWave(Riff({{"fmt ", Format(2, 1, 22050, 4)}, data})));
    EXPECT_EQ(g_waveFile, nullptr);
    EXPECT_EQ(g_waveFormat, nullptr);
}

class LoadWave : public ::testing::Test {
protected:
    void SetUp() override { g_directSound = sound_.directSound; }
    void TearDown() override { g_directSound = nullptr; }
    // Whether the first bytes of the buffer can be locked: up to its size, no further.
    static bool Locks(IDirectSoundBuffer* buffer, DWORD bytes)
    {
        void* part = nullptr;
        DWORD locked = 0;
        if (FAILED(buffer->Lock(0, bytes, &part, &locked, nullptr, nullptr, 0))) return false;
        buffer->Unlock(part, locked, nullptr, 0);
        return locked == bytes;
    }
    MixerSound sound_;
};

TEST_F(LoadWave, CopiesTheSamplesAsTheyStand)
{
    IDirectSoundBuffer* buffer = LoadWaveBuffer(Write(Riff({{"fmt ", Format(1, 1, 44100, 16)}, {"data", kSamples}})).c_str());
    ASSERT_NE(buffer, nullptr);
    buffer->Play(0, 0, 0);
    const std::vector<int16_t> out = sound_.Render(5);
    EXPECT_EQ(Samples16({out[0], out[2], out[4], out[6], out[8]}), kSamples);
    EXPECT_EQ(g_waveFile, nullptr);
    buffer->Release();
}

TEST_F(LoadWave, RefusesFormatsWithExtraBytesAndNoDirectSound)
{
    EXPECT_EQ(LoadWaveBuffer(Write(Riff({{"fmt ", Format(2, 1, 22050, 4, 2, Bytes(2))}, {"data", kSamples}})).c_str()),
              nullptr);
    EXPECT_EQ(g_waveFormat, nullptr);
    g_directSound = nullptr;
    EXPECT_EQ(LoadWaveBuffer(Write(Riff({{"fmt ", Format(1, 1, 44100, 16)}, {"data", kSamples}})).c_str()), nullptr);
    EXPECT_EQ(g_waveFile, nullptr);
}

TEST_F(LoadWave, RealWorldFilesLoadExactlyWhenTheMixerCanPlayThem)
{
    REQUIRE_TESTDATA();
    // Found independently from the files' headers: 8- or 16-bit PCM, one or two channels,
    // with "fmt " and "data" inside the file. The rest are 24- and 32-bit, float,
    // extensible, three-channel, empty or broken.
    const std::map<std::string, DWORD> playable = {
        {"go-audio/8bit.wav", 88200},
        {"go-audio/flloop.wav", 433124},
        {"go-audio/kick-16b441k.wav", 31128},
        {"go-audio/kick.wav", 8968},
        {"go-audio/listinfo.wav", 176400},
        {"jstrait/invalid/format_chunk_after_data_chunk.wav", 8960},
        {"jstrait/invalid/smpl_chunk_empty.wav", 8960},
        {"jstrait/invalid/smpl_chunk_loop_count_too_high.wav", 8960},
        {"jstrait/invalid/smpl_chunk_truncated.wav", 8960},
        {"jstrait/invalid/smpl_chunk_truncated_sampler_specific_data.wav", 8960},
        {"jstrait/valid/format_chunk_extra_bytes_with_odd_size_and_padding_byte.wav", 2240},
        {"jstrait/valid/format_chunk_with_extra_byte_and_padding_byte.wav", 2240},
        {"jstrait/valid/format_chunk_with_extra_bytes.wav", 2240},
        {"jstrait/valid/mono_pcm_16_44100.wav", 4480},
        {"jstrait/valid/mono_pcm_16_44100_junk_chunk_final_chunk_missing_padding_byte.wav", 4480},
        {"jstrait/valid/mono_pcm_16_44100_junk_chunk_with_padding_byte.wav", 4480},
        {"jstrait/valid/mono_pcm_16_44100_with_extension.wav", 4480},
        {"jstrait/valid/mono_pcm_8_44100.wav", 2240},
        {"jstrait/valid/mono_pcm_8_44100_with_padding_byte.wav", 2241},
        {"jstrait/valid/stereo_pcm_16_44100.wav", 8960},
        {"jstrait/valid/stereo_pcm_8_44100.wav", 4480},
        {"jstrait/valid/with_multiple_smpl_chunks_after_data_chunk.wav", 2240},
        {"jstrait/valid/with_multiple_smpl_chunks_before_and_after_data_chunk.wav", 2240},
        {"jstrait/valid/with_multiple_smpl_chunks_before_data_chunk.wav", 2240},
        {"jstrait/valid/with_smpl_chunk_after_data_chunk.wav", 8960},
        {"jstrait/valid/with_smpl_chunk_after_data_chunk_and_data_chunk_has_padding_byte.wav", 2241},
        {"jstrait/valid/with_smpl_chunk_before_data_chunk.wav", 8960},
        {"jstrait/valid/with_smpl_chunk_no_loops.wav", 8960},
        {"jstrait/valid/with_smpl_chunk_with_extra_unused_bytes.wav", 8960},
        {"jstrait/valid/with_smpl_chunk_with_fields_out_of_range.wav", 8960},
        {"jstrait/valid/with_smpl_chunk_with_sampler_specific_data.wav", 8960},
    };
    const std::filesystem::path root = TestDataDir() / "wav";
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (entry.path().extension() != ".wav") continue;
        ++files;
        const std::string name = entry.path().lexically_relative(root).generic_string();
        IDirectSoundBuffer* buffer = LoadWaveBuffer(entry.path().c_str());
        EXPECT_EQ(g_waveFile, nullptr) << name;
        EXPECT_EQ(g_waveFormat, nullptr) << name;
        const auto expected = playable.find(name);
        if (expected == playable.end()) {
            EXPECT_EQ(buffer, nullptr) << name;
        } else {
            EXPECT_NE(buffer, nullptr) << name;
            EXPECT_TRUE(buffer && Locks(buffer, expected->second) && !Locks(buffer, expected->second + 1)) << name;
        }
        if (buffer) buffer->Release();
    }
    EXPECT_EQ(files, 131);
}

}  // namespace
