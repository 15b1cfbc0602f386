// Tokens of a .x body, text or binary alike: names, strings, numbers, GUIDs, braces and
// separators. Binary integer and float lists come out one number at a time, so the parser
// sees the same stream for both encodings.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace d3dx9::xfile {

// Token codes of the binary encoding; codes 12 to 18 and 40 to 52 occur only in templates.
enum BinaryToken : uint16_t {
    kName = 1,
    kString = 2,  // followed by its terminator, a comma or semicolon token
    kInteger = 3,
    kGuid = 5,
    kIntegerList = 6,
    kFloatList = 7,
    kOpenBrace = 10,
    kCloseBrace = 11,
    kOpenParen = 12,
    kOpenBracket = 14,
    kCloseBracket = 15,
    kDot = 18,
    kComma = 19,
    kSemicolon = 20,
    kTemplate = 31,
    kWordKeyword = 40,
    kDwordKeyword = 41,
    kFloatKeyword = 42,
    kArrayKeyword = 52,
};

enum class TokenKind {
    End,         // the body is used up
    Error,       // malformed; Tokeniser::Error() says why
    Name,        // an identifier: a template, object or reference name
    String,      // text between quotes, without them
    Number,      // integer or float; every number is finite and fits a float
    Guid,        // <...> in text, 16 bytes in binary; only skipped
    OpenBrace,
    CloseBrace,
    Separator,   // , or ;
    Template,    // the keyword that opens a template declaration
    Other,       // punctuation and type keywords that only occur inside templates
};

struct Token {
    TokenKind kind = TokenKind::End;
    std::string_view text;  // the name or the string
    double number = 0.0;
};

class Tokeniser {
public:
    // floatBytes is 4 or 8: the width of binary floats, from the header.
    Tokeniser(std::span<const uint8_t> body, bool binary, int floatBytes);

    Token Next();
    const std::string& Error() const { return error_; }

private:
    Token NextText();
    Token NextBinary();
    Token Fail(const char* reason);
    void SkipSpaceAndComments();
    bool ReadU32(uint32_t& value);

    std::span<const uint8_t> body_;
    size_t at_ = 0;
    bool binary_;
    int floatBytes_;
    // What is left of a binary number list.
    uint32_t listLeft_ = 0;
    bool listOfFloats_ = false;
    std::string error_;
};

}  // namespace d3dx9::xfile
