// The run report of unattended runs: a memory line every N presented frames and a line per
// load while VELTRANE_FRAME_REPORT holds a positive number, nothing otherwise.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstdio>
#include <sstream>
#include <string>

#include "run_report.h"

namespace {

class RunReport : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* value = std::getenv("VELTRANE_FRAME_REPORT");
        hadValue_ = value != nullptr;
        if (value) saved_ = value;
    }
    void TearDown() override
    {
        if (hadValue_) setenv("VELTRANE_FRAME_REPORT", saved_.c_str(), 1);
        else unsetenv("VELTRANE_FRAME_REPORT");
    }

private:
    bool hadValue_ = false;
    std::string saved_;
};

TEST_F(RunReport, ThePeriodIsAPositiveWholeNumber)
{
    const struct {
        const char* value;
        long period;
    } cases[] = {{"1000", 1000}, {"1", 1}, {"", 0}, {"0", 0}, {"-5", 0}, {"10x", 0}, {"many", 0}};
    for (const auto& c : cases) {
        setenv("VELTRANE_FRAME_REPORT", c.value, 1);
        EXPECT_EQ(win32::FrameReportPeriod(), c.period) << c.value;
    }
    unsetenv("VELTRANE_FRAME_REPORT");
    EXPECT_EQ(win32::FrameReportPeriod(), 0);
}

// The lines one by one; a line that does not read as expected leaves its numbers at 0.
struct ReportLines {
    long memoryFrames[2] = {};
    long loadFrame = 0;
    long endFrame = 0;
    char loaded[64] = {};
    int lines = 0;
};

ReportLines Read(const std::string& text)
{
    ReportLines read;
    std::istringstream stream(text);
    std::string line;
    int memoryLines = 0;
    for (; std::getline(stream, line); ++read.lines) {
        long frame = 0, resident = 0, peak = 0;
        if (std::sscanf(line.c_str(), "veltrane: frame %ld resident %ld KiB peak %ld KiB", &frame, &resident, &peak) ==
                3 &&
            resident > 0 && peak >= resident && memoryLines < 2)
            read.memoryFrames[memoryLines++] = frame;
        else if (std::sscanf(line.c_str(), "veltrane: frame %ld load tune %63s", &frame, read.loaded) == 2)
            read.loadFrame = frame;
        else if (std::sscanf(line.c_str(), "veltrane: frame %ld end resident %ld KiB peak %ld KiB", &frame, &resident,
                             &peak) == 3 &&
                 resident > 0)
            read.endFrame = frame;
    }
    return read;
}

TEST_F(RunReport, OneMemoryLineEveryPeriodAndOneLinePerLoad)
{
    setenv("VELTRANE_FRAME_REPORT", "3", 1);
    ::testing::internal::CaptureStderr();
    for (int frame = 0; frame < 6; ++frame) win32::CountPresentedFrame();
    win32::ReportLoad("tune", "./DATA/snd/title.mid");
    win32::ReportRunEnd();
    const std::string text = ::testing::internal::GetCapturedStderr();
    const ReportLines lines = Read(text);
    EXPECT_EQ(lines.lines, 4) << text;
    EXPECT_GT(lines.memoryFrames[0], 0) << text;
    EXPECT_EQ(lines.memoryFrames[0] % 3, 0);
    EXPECT_EQ(lines.memoryFrames[1], lines.memoryFrames[0] + 3);
    EXPECT_STREQ(lines.loaded, "./DATA/snd/title.mid");
    EXPECT_GE(lines.loadFrame, lines.memoryFrames[1]);
    EXPECT_EQ(lines.endFrame, lines.loadFrame);
}

TEST_F(RunReport, SilentWhileUnset)
{
    unsetenv("VELTRANE_FRAME_REPORT");
    ::testing::internal::CaptureStderr();
    for (int frame = 0; frame < 1000; ++frame) win32::CountPresentedFrame();
    win32::ReportLoad("model", "./DATA/XFILE/wall.x");
    win32::ReportRunEnd();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

}  // namespace
