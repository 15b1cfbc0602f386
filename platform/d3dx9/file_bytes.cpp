#include "file_bytes.h"

#include <filesystem>
#include <fstream>

#include "file_name.h"

namespace d3dx9 {

bool ReadWholeFile(const char* path, size_t maxBytes, std::vector<uint8_t>& bytes)
{
    if (!path) return false;
    const std::string local = win32::LocalFileName(path);
    std::error_code failure;
    if (!std::filesystem::is_regular_file(local, failure)) return false;
    const uintmax_t size = std::filesystem::file_size(local, failure);
    if (failure || size > maxBytes) return false;
    std::ifstream in(local, std::ios::binary);
    bytes.resize(size_t(size));
    in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(size));
    return in && in.gcount() == std::streamsize(size);
}

}  // namespace d3dx9
