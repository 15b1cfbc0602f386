// The stage loading on the stand-ins, in a working folder of its own: the real models
// (DATA/XFILE of the build) and a stage timetable that the test writes.
#pragma once

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <utility>

#include "scene_fixture.h"

// One record of the stage timetable.
struct StageRecord {
    float x, time;
    uint8_t type;
};

// The count, then x, time and type per record, little-endian.
inline std::vector<uint8_t> Timetable(int32_t count, const std::vector<StageRecord>& records)
{
    std::vector<uint8_t> bytes(4);
    std::memcpy(bytes.data(), &count, 4);
    for (const StageRecord& record : records) {
        const size_t at = bytes.size();
        bytes.resize(at + 9);
        std::memcpy(&bytes[at], &record.x, 4);
        std::memcpy(&bytes[at + 4], &record.time, 4);
        bytes[at + 8] = record.type;
    }
    return bytes;
}

class StageFixture : public SceneFixture {
protected:
    void SetUp() override
    {
        SceneFixture::SetUp();
        folder_ = std::filesystem::temp_directory_path() /
                  ("veltrane-stage-" + std::to_string(getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_ / "DATA");
        std::filesystem::create_directory_symlink(std::filesystem::path(VELTRANE_BUILD_DIR) / "DATA" / "XFILE",
                                                  folder_ / "DATA" / "XFILE");
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(folder_);
    }

    void TearDown() override
    {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(folder_);
        SceneFixture::TearDown();
    }

    // The file as it lies on disk, before any text-mode translation.
    static void WriteTimetable(const std::vector<uint8_t>& bytes)
    {
        std::ofstream("DATA/stage01.kfc", std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }

    // The widths of the two fills, one pair per loading frame drawn, from the records.
    static std::vector<std::pair<int, int>> Bars()
    {
        std::vector<std::pair<int, int>> bars;
        int upper = -1;
        for (const std::string& call : SpriteDraws()) {
            int width = 0;
            if (std::sscanf(call.c_str(), "Sprite.Draw(Title, {0, 816, %d, 820}", &width) == 1) upper = width;
            if (std::sscanf(call.c_str(), "Sprite.Draw(Title, {0, 820, %d, 824}", &width) == 1)
                bars.emplace_back(upper, width);
        }
        return bars;
    }

    std::filesystem::path folder_, previous_;
};
