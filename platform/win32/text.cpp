// The string helpers of Windows. Our ANSI code page is UTF-8, so the game's Japanese
// texts pass through unchanged and widen to UTF-16.
#include <cstdarg>
#include <cstdio>

#include "windows.h"

int wsprintfA(LPSTR buffer, LPCSTR format, ...)
{
    // wsprintfA writes at most 1024 characters, terminator included.
    constexpr int kLimit = 1024;
    if (!buffer || !format) return 0;
    va_list args;
    va_start(args, format);
    int written = std::vsnprintf(buffer, kLimit, format, args);
    va_end(args);
    if (written < 0) {
        buffer[0] = '\0';
        return 0;
    }
    return written < kLimit ? written : kLimit - 1;
}

int lstrlenA(LPCSTR text) { return text ? int(std::strlen(text)) : 0; }

namespace {

// Decodes one UTF-8 sequence; a malformed one gives U+FFFD and consumes one byte.
char32_t DecodeUtf8(const unsigned char* text, int length, int& used)
{
    unsigned char lead = text[0];
    int extra = lead < 0x80 ? 0 : (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : -1;
    used = 1;
    if (extra < 0 || extra >= length) return lead < 0x80 ? lead : 0xFFFD;
    char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int i = 1; i <= extra; ++i) {
        if ((text[i] & 0xC0) != 0x80) return 0xFFFD;
        code = (code << 6) | (text[i] & 0x3F);
    }
    used = extra + 1;
    return code > 0x10FFFF ? 0xFFFD : code;
}

}  // namespace

int MultiByteToWideChar(UINT, DWORD, LPCSTR text, int textLength, LPWSTR wide, int wideLength)
{
    if (!text || textLength == 0 || textLength < -1 || wideLength < 0) return 0;
    // -1: the whole text with its terminator.
    int length = textLength == -1 ? int(std::strlen(text)) + 1 : textLength;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    int needed = 0;
    for (int at = 0; at < length;) {
        int used = 0;
        char32_t code = DecodeUtf8(bytes + at, length - at, used);
        at += used;
        int units = code >= 0x10000 ? 2 : 1;
        if (wideLength > 0) {
            if (needed + units > wideLength) return 0;  // too small: Windows writes nothing useful
            if (units == 2) {
                code -= 0x10000;
                wide[needed] = WCHAR(0xD800 + (code >> 10));
                wide[needed + 1] = WCHAR(0xDC00 + (code & 0x3FF));
            } else {
                wide[needed] = WCHAR(code);
            }
        }
        needed += units;
    }
    return needed;
}
