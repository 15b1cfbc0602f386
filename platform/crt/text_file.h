// What the tests need to see of the runtime's file reading: the size of one buffer fill.
#pragma once

#include <cstddef>

namespace crt {

// Bytes read from the disk at a time; a CR LF pair may straddle two fills.
constexpr size_t kFileBufferBytes = 4096;

}  // namespace crt
