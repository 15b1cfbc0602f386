#include "load_log.h"

#include <cstdio>
#include <cstdlib>

namespace win32 {

void LogLoadFailure(const char* kind, const char* name, const char* reason)
{
    // Read at each failure, not once: failures are rare, and tests switch the log on and off.
    const char* wanted = std::getenv("VELTRANE_LOG");
    if (!wanted || !*wanted) return;
    // One call, so that the line reaches the stream whole.
    std::fprintf(stderr, "veltrane: %s %s: %s\n", kind, name ? name : "(null)", reason);
}

}  // namespace win32
