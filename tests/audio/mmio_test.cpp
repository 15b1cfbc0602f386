// The RIFF file calls: chunk search with padding, form types, chunks that do not fit, and
// reading through the I/O buffer across refills.
#include <gtest/gtest.h>

#include "mmsystem.h"
#include "riff_bytes.h"

using namespace test_audio;

namespace {

const FOURCC kWave = mmioFOURCC('W', 'A', 'V', 'E');

class Mmio : public ::testing::Test {
protected:
    void Open(const Bytes& bytes)
    {
        file_ = mmioOpenA(WriteTemp(::testing::UnitTest::GetInstance()->current_test_info()->name(), bytes).c_str(),
                          nullptr, MMIO_ALLOCBUF | MMIO_READ);
        ASSERT_NE(file_, nullptr);
    }
    void TearDown() override
    {
        if (file_) mmioClose(file_, 0);
    }
    MMRESULT Find(const char* id, MMCKINFO& chunk, const MMCKINFO& parent)
    {
        chunk = {};
        chunk.ckid = mmioFOURCC(id[0], id[1], id[2], id[3]);
        return mmioDescend(file_, &chunk, &parent, MMIO_FINDCHUNK);
    }
    HMMIO file_ = nullptr;
};

TEST_F(Mmio, DescendReadsFormTypeAndFindsChunksPastOddSizedOnes)
{
    Open(Riff({{"odd ", Bytes(3, 7)}, {"LIST", Bytes{'I', 'N', 'F', 'O'}}, {"data", Bytes{1, 2, 3, 4}}}));
    MMCKINFO riff = {};
    ASSERT_EQ(mmioDescend(file_, &riff, nullptr, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(riff.ckid, FOURCC_RIFF);
    EXPECT_EQ(riff.fccType, kWave);
    EXPECT_EQ(riff.dwDataOffset, 8u);  // the form type is part of the data
    EXPECT_EQ(mmioSeek(file_, 0, SEEK_CUR), 12);

    MMCKINFO list = {};
    ASSERT_EQ(Find("LIST", list, riff), MMSYSERR_NOERROR);
    EXPECT_EQ(list.dwDataOffset, 12u + 8 + 4 + 8);  // behind "odd " and its pad byte
    EXPECT_EQ(list.fccType, mmioFOURCC('I', 'N', 'F', 'O'));
    ASSERT_EQ(mmioAscend(file_, &list, 0), MMSYSERR_NOERROR);

    MMCKINFO data = {};
    ASSERT_EQ(Find("data", data, riff), MMSYSERR_NOERROR);
    EXPECT_EQ(data.cksize, 4u);
    char bytes[4] = {};
    EXPECT_EQ(mmioRead(file_, bytes, 4), 4);
    EXPECT_EQ(bytes[3], 4);
    EXPECT_EQ(mmioRead(file_, bytes, 4), 0);  // the end of the file

    MMCKINFO missing = {};
    mmioSeek(file_, 12, SEEK_SET);
    EXPECT_EQ(Find("fmt ", missing, riff), MMIOERR_CHUNKNOTFOUND);
}

TEST_F(Mmio, ChunksThatRunPastTheirParentOrTheFileAreRefused)
{
    // "data" claims more than the file holds.
    Open(Riff({{"data", Bytes(8, 0), 0x7FFFFFF0u}}));
    MMCKINFO riff = {};
    ASSERT_EQ(mmioDescend(file_, &riff, nullptr, 0), MMSYSERR_NOERROR);
    MMCKINFO data = {};
    EXPECT_NE(Find("data", data, riff), MMSYSERR_NOERROR);
    mmioClose(file_, 0);

    // "data" fits in the file but lies past the end the RIFF chunk gives.
    Open(Riff({{"fmt ", Bytes(16, 0)}, {"data", Bytes(8, 0)}}, 4 + 24));
    ASSERT_EQ(mmioDescend(file_, &riff, nullptr, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(Find("data", data, riff), MMIOERR_CHUNKNOTFOUND);
    mmioSeek(file_, 12, SEEK_SET);
    MMCKINFO format = {};
    EXPECT_EQ(Find("fmt ", format, riff), MMSYSERR_NOERROR);
}

TEST_F(Mmio, ASkipPastTwoGigabytesEndsTheSearch)
{
    // Skipping this chunk lands 2^32 bytes on: cut to 32 bits, back on the chunk itself.
    Open(Riff({{"JUNK", Bytes(8, 0), 0xFFFFFFF8u}}, 0xFFFFFFF0u));
    MMCKINFO riff = {};
    ASSERT_EQ(mmioDescend(file_, &riff, nullptr, 0), MMSYSERR_NOERROR);
    MMCKINFO data = {};
    EXPECT_EQ(Find("data", data, riff), MMIOERR_CHUNKNOTFOUND);
    EXPECT_EQ(mmioSeek(file_, 0x7FFFFFFF, SEEK_SET), 0x7FFFFFFF);
    EXPECT_EQ(mmioSeek(file_, 1, SEEK_CUR), -1);
}

TEST_F(Mmio, TheBufferIsReadInPlaceAndRefilledAcrossItsEnd)
{
    Bytes bytes(3 * MMIO_DEFAULTBUFFER + 5);
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = uint8_t(i * 7);
    Open(bytes);
    ASSERT_EQ(mmioSeek(file_, 10, SEEK_SET), 10);
    MMIOINFO info = {};
    ASSERT_EQ(mmioGetInfo(file_, &info, 0), MMSYSERR_NOERROR);
    size_t at = 10;
    while (at < bytes.size()) {
        if (info.pchNext == info.pchEndRead) {
            ASSERT_EQ(mmioAdvance(file_, &info, MMIO_READ), MMSYSERR_NOERROR);
            ASSERT_NE(info.pchNext, info.pchEndRead) << "at " << at;
        }
        ASSERT_EQ(uint8_t(*info.pchNext++), bytes[at]) << "at " << at;
        ++at;
    }
    ASSERT_EQ(mmioAdvance(file_, &info, MMIO_READ), MMSYSERR_NOERROR);
    EXPECT_EQ(info.pchNext, info.pchEndRead);  // nothing left
    ASSERT_EQ(mmioSetInfo(file_, &info, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(mmioSeek(file_, 0, SEEK_CUR), LONG(bytes.size()));

    // A pointer from outside the buffer is not taken back.
    info.pchNext = info.pchEndRead + 1;
    EXPECT_EQ(mmioSetInfo(file_, &info, 0), MMSYSERR_INVALPARAM);
}

TEST(MmioOpen, RefusesMissingFilesFoldersAndWriting)
{
    EXPECT_EQ(mmioOpenA("no/such/file.wav", nullptr, MMIO_READ), nullptr);
    EXPECT_EQ(mmioOpenA(std::filesystem::temp_directory_path().c_str(), nullptr, MMIO_READ), nullptr);
    const std::string path = WriteTemp("writable.wav", Bytes(4, 0));
    EXPECT_EQ(mmioOpenA(path.c_str(), nullptr, 1 /* writing */), nullptr);
    HMMIO unbuffered = mmioOpenA(path.c_str(), nullptr, MMIO_READ);
    ASSERT_NE(unbuffered, nullptr);
    MMIOINFO info = {};
    EXPECT_EQ(mmioAdvance(unbuffered, &info, MMIO_READ), MMIOERR_UNBUFFERED);
    mmioClose(unbuffered, 0);
}

}  // namespace
