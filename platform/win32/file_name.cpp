#include "file_name.h"

#include <algorithm>

namespace win32 {

std::string LocalFileName(const char* name)
{
    std::string local = name ? name : "";
    std::replace(local.begin(), local.end(), '\\', '/');
    return local;
}

}  // namespace win32
