// Writes the five sprite sheets into DATA/pic.
#include <filesystem>

#include "bmp.h"
#include "makedata.h"
#include "sheets.h"

namespace makedata {

void WriteSheets(const std::filesystem::path& dataDir)
{
    const std::filesystem::path pic = dataDir / "pic";
    std::filesystem::create_directories(pic);
    for (const sheets::Sheet& sheet : sheets::kSheets) sheets::WriteBmp(sheet.paint(), pic / sheet.size.file);
}

}  // namespace makedata
