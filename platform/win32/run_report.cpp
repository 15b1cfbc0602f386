// The run report: frame count, resident memory and loads on standard error.
#include "run_report.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace win32 {

namespace {

long g_presentedFrames = 0;  // the main thread's presents only

// The value of a "Name:   123 kB" line of /proc/self/status; 0 when absent.
long StatusKiB(const char* status, const char* name)
{
    const char* line = std::strstr(status, name);
    return line ? std::strtol(line + std::strlen(name), nullptr, 10) : 0;
}

// Plain reads into a fixed buffer: the report must not allocate in the frames it watches.
void WriteMemoryLine(const char* what)
{
    char status[4096] = {};
    const int file = open("/proc/self/status", O_RDONLY | O_CLOEXEC);
    if (file < 0) return;
    const ssize_t length = read(file, status, sizeof status - 1);
    close(file);
    if (length <= 0) return;
    std::fprintf(stderr, "veltrane: frame %ld%s resident %ld KiB peak %ld KiB\n", g_presentedFrames, what,
                 StatusKiB(status, "VmRSS:"), StatusKiB(status, "VmHWM:"));
}

}  // namespace

long FrameReportPeriod()
{
    // Read at each call, like the load log: tests switch it on and off.
    const char* value = std::getenv("VELTRANE_FRAME_REPORT");
    if (!value || !*value) return 0;
    char* end = nullptr;
    const long period = std::strtol(value, &end, 10);
    return *end == '\0' && period > 0 ? period : 0;
}

long PresentedFrames() { return g_presentedFrames; }

void CountPresentedFrame()
{
    ++g_presentedFrames;
    const long period = FrameReportPeriod();
    if (period != 0 && g_presentedFrames % period == 0) WriteMemoryLine("");
}

void ReportLoad(const char* kind, const char* name)
{
    if (FrameReportPeriod() == 0) return;
    std::fprintf(stderr, "veltrane: frame %ld load %s %s\n", g_presentedFrames, kind, name ? name : "(null)");
}

void ReportRunEnd()
{
    if (FrameReportPeriod() != 0) WriteMemoryLine(" end");
}

}  // namespace win32
