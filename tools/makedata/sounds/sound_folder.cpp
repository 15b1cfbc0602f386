// The DATA/snd folder and the file writing shared by the effects and the tunes.
#include "sounds/sound_folder.h"

#include <fstream>
#include <stdexcept>

namespace makedata {

std::filesystem::path SoundFolder(const std::filesystem::path& dataDir)
{
    const std::filesystem::path folder = dataDir / "snd";
    std::filesystem::create_directories(folder);
    return folder;
}

void WriteBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + file.string());
    }
}

}  // namespace makedata
