// The heaps' free pages returned to the system every few seconds of frames.
#include "heap_trim.h"

#include <malloc.h>

namespace crt {

namespace {
long g_framesSinceTrim = 0;  // the main thread's presents only
}

void CountFrameForHeapTrim()
{
    if (++g_framesSinceTrim < kTrimPeriod) return;
    g_framesSinceTrim = 0;
    malloc_trim(0);
}

}  // namespace crt
