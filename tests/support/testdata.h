// Where the real-world test files are: CI has them beside the project; a user's fresh
// clone has none, and the tests that need them skip with a message.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

inline std::filesystem::path TestDataDir()
{
    const char* dir = std::getenv("VELTRANE_TESTDATA");
    return dir ? std::filesystem::path(dir) : std::filesystem::path();
}

#define REQUIRE_TESTDATA()                                                                  \
    do {                                                                                    \
        if (TestDataDir().empty() || !std::filesystem::is_directory(TestDataDir()))         \
            GTEST_SKIP() << "shared/testdata is not beside this checkout; skipping";        \
    } while (0)
