// The run report of unattended runs: a memory line every N presented frames and a line per
// load while VELTRANE_FRAME_REPORT holds a positive number, nothing otherwise.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
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

TEST_F(RunReport, OneMemoryLineEveryPeriodAndOneLinePerLoad)
{
    setenv("VELTRANE_FRAME_REPORT", "3", 1);
    ::testing::internal::CaptureStderr();
    for (int frame = 0; frame < 6; ++frame) win32::CountPresentedFrame();
    win32::ReportLoad("tune", "./DATA/snd/title.mid");
    win32::ReportRunEnd();
    const std::string lines = ::testing::internal::GetCapturedStderr();
    const std::regex expected(
        "veltrane: frame (\\d+) resident [1-9]\\d* KiB peak [1-9]\\d* KiB\n"
        "veltrane: frame (\\d+) resident [1-9]\\d* KiB peak [1-9]\\d* KiB\n"
        "veltrane: frame (\\d+) load tune \\./DATA/snd/title\\.mid\n"
        "veltrane: frame (\\d+) end resident [1-9]\\d* KiB peak [1-9]\\d* KiB\n");
    std::smatch match;
    ASSERT_TRUE(std::regex_match(lines, match, expected)) << lines;
    const long first = std::stol(match[1]);
    EXPECT_EQ(first % 3, 0);
    EXPECT_EQ(std::stol(match[2]), first + 3);
    EXPECT_EQ(std::stol(match[3]), std::stol(match[4]));
    EXPECT_GE(std::stol(match[3]), first + 3);
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
