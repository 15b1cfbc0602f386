// The string helpers: UTF-8 to UTF-16, wsprintfA and GetCurrentDirectoryA's sizes.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "fake/call_log.h"
#include "fake/fake.h"
#include "fake/fake_win32.h"
#include "windows.h"

namespace {

std::u16string Widen(const char* text, int length = -1)
{
    int units = MultiByteToWideChar(CP_ACP, 0, text, length, nullptr, 0);
    std::u16string wide(size_t(units), u'\0');
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, text, length, wide.data(), units), units);
    return wide;
}

TEST(MultiByteToWideChar, WholeTextCountsTheTerminator)
{
    EXPECT_EQ(Widen("abc"), std::u16string(u"abc\0", 4));
    EXPECT_EQ(Widen("abc", 2), u"ab");
}

TEST(MultiByteToWideChar, JapaneseAndSurrogatePairs)
{
    EXPECT_EQ(Widen("スクリーン設定", int(std::strlen("スクリーン設定"))), u"スクリーン設定");
    EXPECT_EQ(Widen("ﾊｰﾄﾞ", int(std::strlen("ﾊｰﾄﾞ"))), u"ﾊｰﾄﾞ");
    EXPECT_EQ(Widen("\xF0\x9D\x84\x9E", 4), std::u16string({char16_t(0xD834), char16_t(0xDD1E)}));
}

TEST(MultiByteToWideChar, MalformedBytesBecomeReplacementCharacters)
{
    EXPECT_EQ(Widen("a\xFF" "b", 3), u"a\uFFFDb");
    EXPECT_EQ(Widen("\xE3\x81", 2), u"\uFFFD\uFFFD");  // cut short
}

TEST(MultiByteToWideChar, TooSmallBufferAndBadArgumentsGiveZero)
{
    char16_t wide[3] = {};
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", -1, wide, 3), 0);
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "\xF0\x9D\x84\x9E", 4, wide, 1), 0);  // half a pair
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, nullptr, -1, wide, 3), 0);
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", 0, wide, 3), 0);
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", -2, wide, 3), 0);
}

TEST(WsprintfA, BuildsTheTuneFolderAndStopsAtItsLimit)
{
    char path[MAX_PATH] = {};
    EXPECT_EQ(wsprintfA(path, "%s\\DATA\\snd", "D:\\play"), 16);
    EXPECT_STREQ(path, "D:\\play\\DATA\\snd");

    std::string longText(2000, 'x');
    std::string buffer(2048, '\0');
    EXPECT_EQ(wsprintfA(buffer.data(), "%s", longText.c_str()), 1023);
    EXPECT_EQ(std::strlen(buffer.c_str()), 1023u);
}

TEST(GetCurrentDirectoryA, TooSmallAsksForTheSizeWithTerminator)
{
    fake::Installed installed;
    fake::SetCurrentDirectory("D:\\play");
    char buffer[MAX_PATH] = {};
    EXPECT_EQ(GetCurrentDirectoryA(0, nullptr), 8u);
    EXPECT_EQ(GetCurrentDirectoryA(7, buffer), 8u);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(GetCurrentDirectoryA(8, buffer), 7u);
    EXPECT_STREQ(buffer, "D:\\play");
    EXPECT_EQ(fake::CallsStartingWith("GetCurrentDirectoryA(").back(), "GetCurrentDirectoryA(8, ptr)");
}

// The common behaviour alone, with the process's own working directory.
class PlainSystem : public win32::Win32System {
public:
    int MessageBox(HWND, LPCSTR, LPCSTR, UINT) override { return IDOK; }
};

TEST(GetCurrentDirectoryA, ReportsTheWorkingDirectory)
{
    win32::Install(std::make_unique<PlainSystem>());
    char buffer[4096] = {};
    DWORD length = GetCurrentDirectoryA(sizeof buffer, buffer);
    win32::Install(nullptr);
    EXPECT_EQ(std::string(buffer), std::filesystem::current_path().string());
    EXPECT_EQ(length, std::filesystem::current_path().string().size());
}

}  // namespace
