// The runtime's file reading: text mode's CR LF and 0x1A rules, also where a pair straddles
// two buffer fills, bytes unchanged in binary mode, and fread's count of whole items.
#include <gtest/gtest.h>

#include <string>

#include "crt.h"
#include "crt/text_file.h"
#include "d3dx9/picture_files.h"

namespace {

// Filler that puts the byte after it at offset `at`.
std::string Filler(size_t at) { return std::string(at, 'x'); }

std::string Write(const std::string& text)
{
    static int files = 0;
    return WriteTempFile("crt_" + std::to_string(files++) + ".bin", Bytes(text.begin(), text.end()));
}

// All of a file as fread delivers it, `chunk` bytes a call.
std::string ReadAll(const std::string& path, const char* mode, size_t chunk)
{
    crt::FILE* file = crt::fopen(path.c_str(), mode);
    EXPECT_NE(file, nullptr);
    if (!file) return {};
    std::string read;
    std::string piece(chunk, '\0');
    size_t got;
    while ((got = crt::fread(piece.data(), 1, chunk, file)) > 0) read.append(piece, 0, got);
    EXPECT_EQ(crt::fclose(file), 0);
    return read;
}

struct ReadCase {
    const char* what;
    const char* mode;
    std::string stored;
    std::string delivered;
};

const size_t kFill = crt::kFileBufferBytes;

const ReadCase kReadCases[] = {
    {"CR LF pairs read as LF", "rt", "a\r\nb\r\n", "a\nb\n"},
    {"a lone CR stays", "rt", "a\rb", "a\rb"},
    {"CR CR LF keeps the first CR", "rt", "\r\r\n", "\r\n"},
    {"a CR last in the file stays", "rt", "a\r", "a\r"},
    {"LF CR is not a pair", "rt", "\n\r", "\n\r"},
    {"0x1A ends the data", "rt", "ab\x1A" "c\r\nd", "ab"},
    {"a CR before 0x1A stays", "rt", "a\r\x1A\n", "a\r"},
    {"CR LF across two fills", "rt", Filler(kFill - 1) + "\r\ny", Filler(kFill - 1) + "\ny"},
    {"CR across two fills, then no LF", "rt", Filler(kFill - 1) + "\rz", Filler(kFill - 1) + "\rz"},
    {"CR last in an exactly full fill", "rt", Filler(kFill - 1) + "\r", Filler(kFill - 1) + "\r"},
    {"LF opening the second fill alone", "rt", Filler(kFill) + "\n\r\n", Filler(kFill) + "\n\n"},
    {"rb leaves every byte", "rb", "a\r\n\x1A\rb", "a\r\n\x1A\rb"},
    {"r leaves every byte", "r", "a\r\n\x1A\rb", "a\r\n\x1A\rb"},
};

}  // namespace

TEST(TextFile, DeliversWhatEachModeReads)
{
    for (const ReadCase& c : kReadCases) {
        SCOPED_TRACE(c.what);
        const std::string path = Write(c.stored);
        // Whole, and one byte a call as the timetables' field-by-field reads come close to.
        EXPECT_EQ(ReadAll(path, c.mode, kFill * 2), c.delivered);
        EXPECT_EQ(ReadAll(path, c.mode, 1), c.delivered);
    }
}

TEST(TextFile, CountsWholeItemsOfTheDeliveredBytes)
{
    struct {
        const char* mode;
        size_t size, count, expected;
    } const cases[] = {
        {"rb", 3, 2, 2},  // six stored bytes: two items of 3
        {"rt", 3, 2, 1},  // five delivered bytes: the second item is short
        {"rt", 5, 1, 1},
        {"rt", 4, 0, 0},
        {"rt", 0, 4, 0},
    };
    const std::string path = Write("ab\r\ncd");
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.mode) + " " + std::to_string(c.size) + "x" + std::to_string(c.count));
        crt::FILE* file = crt::fopen(path.c_str(), c.mode);
        ASSERT_NE(file, nullptr);
        char buffer[8] = {};
        EXPECT_EQ(crt::fread(buffer, c.size, c.count, file), c.expected);
        crt::fclose(file);
    }
}

TEST(TextFile, AShortItemIsConsumedWithoutBeingCounted)
{
    crt::FILE* file = crt::fopen(Write("abcdefghij").c_str(), "rt");
    ASSERT_NE(file, nullptr);
    char buffer[12] = {};
    EXPECT_EQ(crt::fread(buffer, 4, 3, file), 2u);
    EXPECT_EQ(std::string(buffer), "abcdefghij");
    EXPECT_EQ(crt::fread(buffer, 1, 1, file), 0u);
    crt::fclose(file);
}

TEST(TextFile, RefusesWhatItCannotOpenAndNeverCrashesOnNulls)
{
    const std::string path = Write("abc");
    EXPECT_EQ(crt::fopen(nullptr, "rt"), nullptr);
    EXPECT_EQ(crt::fopen(path.c_str(), nullptr), nullptr);
    EXPECT_EQ(crt::fopen(path.c_str(), "w"), nullptr);
    EXPECT_EQ(crt::fopen((path + ".none").c_str(), "rt"), nullptr);
    char buffer[4];
    EXPECT_EQ(crt::fread(buffer, 1, 4, nullptr), 0u);
    EXPECT_EQ(crt::fclose(nullptr), EOF);
    crt::FILE* file = crt::fopen(path.c_str(), "rt");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(crt::fread(nullptr, 1, 4, file), 0u);
    EXPECT_EQ(crt::fread(buffer, 1, 4, file), 3u);
    EXPECT_EQ(crt::fclose(file), 0);
}
