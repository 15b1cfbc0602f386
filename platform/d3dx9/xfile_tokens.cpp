// The two tokenisers of .x bodies. Text: words split at white space and punctuation,
// comments from "//" or "#" to the end of the line. Binary: 16-bit token codes with
// little-endian operands.
#include "xfile_tokens.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>

namespace d3dx9::xfile {

namespace {

bool IsSpace(uint8_t c) { return c <= ' '; }

bool IsPunctuation(uint8_t c)
{
    return std::strchr("{},;()[]<>\"#", c) != nullptr && c != 0;
}

bool UsableNumber(double value) { return std::isfinite(value) && std::fabs(value) <= FLT_MAX; }

// The whole word as a number, or false when it is a name.
bool ParseNumber(std::string_view word, double& value)
{
    const char* begin = word.data();
    const char* end = begin + word.size();
    if (begin != end && *begin == '+') ++begin;
    const char* digits = (begin != end && *begin == '-') ? begin + 1 : begin;
    if (digits == end) return false;
    bool startsLikeNumber = (*digits >= '0' && *digits <= '9') ||
                            (*digits == '.' && digits + 1 != end && digits[1] >= '0' && digits[1] <= '9');
    if (!startsLikeNumber) return false;
    auto [stop, status] = std::from_chars(begin, end, value);
    return status == std::errc() && stop == end;
}

}  // namespace

Tokeniser::Tokeniser(std::span<const uint8_t> body, bool binary, int floatBytes)
    : body_(body), binary_(binary), floatBytes_(floatBytes)
{
}

Token Tokeniser::Next()
{
    if (!error_.empty()) return {TokenKind::Error};
    return binary_ ? NextBinary() : NextText();
}

Token Tokeniser::Fail(const char* reason)
{
    error_ = reason;
    return {TokenKind::Error};
}

void Tokeniser::SkipSpaceAndComments()
{
    while (at_ < body_.size()) {
        uint8_t c = body_[at_];
        bool comment = c == '#' || (c == '/' && at_ + 1 < body_.size() && body_[at_ + 1] == '/');
        if (comment) {
            while (at_ < body_.size() && body_[at_] != '\n') ++at_;
        } else if (IsSpace(c)) {
            ++at_;
        } else {
            return;
        }
    }
}

Token Tokeniser::NextText()
{
    SkipSpaceAndComments();
    if (at_ >= body_.size()) return {TokenKind::End};
    const char* text = reinterpret_cast<const char*>(body_.data());
    uint8_t c = body_[at_];
    switch (c) {
    case '{': ++at_; return {TokenKind::OpenBrace};
    case '}': ++at_; return {TokenKind::CloseBrace};
    case ',':
    case ';': ++at_; return {TokenKind::Separator};
    case '(':
    case ')':
    case '[':
    case ']':
    case '>': ++at_; return {TokenKind::Other};
    case '<': {
        // A GUID is 36 characters; allow some space around them.
        size_t close = at_ + 1;
        while (close < body_.size() && close - at_ <= 64 && body_[close] != '>') ++close;
        if (close >= body_.size() || body_[close] != '>') return Fail("unterminated GUID");
        Token token{TokenKind::Guid, std::string_view(text + at_ + 1, close - at_ - 1)};
        at_ = close + 1;
        return token;
    }
    case '"': {
        size_t close = at_ + 1;
        while (close < body_.size() && body_[close] != '"') ++close;
        if (close >= body_.size()) return Fail("unterminated string");
        Token token{TokenKind::String, std::string_view(text + at_ + 1, close - at_ - 1)};
        at_ = close + 1;
        return token;
    }
    default: break;
    }
    size_t start = at_;
    while (at_ < body_.size() && !IsSpace(body_[at_]) && !IsPunctuation(body_[at_]) &&
           !(body_[at_] == '/' && at_ + 1 < body_.size() && body_[at_ + 1] == '/'))
        ++at_;
    std::string_view word(text + start, at_ - start);
    if (word == "template") return {TokenKind::Template, word};
    double value = 0.0;
    if (ParseNumber(word, value)) {
        if (!UsableNumber(value)) return Fail("number out of range");
        return {TokenKind::Number, {}, value};
    }
    return {TokenKind::Name, word};
}

bool Tokeniser::ReadU32(uint32_t& value)
{
    if (body_.size() - at_ < 4) return false;
    const uint8_t* p = body_.data() + at_;
    value = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
    at_ += 4;
    return true;
}

Token Tokeniser::NextBinary()
{
    const char* text = reinterpret_cast<const char*>(body_.data());
    for (;;) {
        if (listLeft_ > 0) {
            --listLeft_;
            double value;
            if (!listOfFloats_) {
                uint32_t integer;
                ReadU32(integer);  // the list's length was checked against the data
                value = integer;
            } else if (floatBytes_ == 4) {
                float single;
                std::memcpy(&single, body_.data() + at_, 4);
                at_ += 4;
                value = single;
            } else {
                std::memcpy(&value, body_.data() + at_, 8);
                at_ += 8;
            }
            if (!UsableNumber(value)) return Fail("number out of range");
            return {TokenKind::Number, {}, value};
        }
        if (at_ == body_.size()) return {TokenKind::End};
        if (body_.size() - at_ < 2) return Fail("truncated token");
        uint16_t code = uint16_t(body_[at_] | body_[at_ + 1] << 8);
        at_ += 2;
        uint32_t count = 0;
        switch (code) {
        case kName:
        case kString: {
            if (!ReadU32(count) || body_.size() - at_ < count) return Fail("truncated name or string");
            Token token{code == kName ? TokenKind::Name : TokenKind::String, std::string_view(text + at_, count)};
            at_ += count;
            return token;
        }
        case kInteger:
            if (!ReadU32(count)) return Fail("truncated integer");
            return {TokenKind::Number, {}, double(count)};
        case kGuid:
            if (body_.size() - at_ < 16) return Fail("truncated GUID");
            at_ += 16;
            return {TokenKind::Guid};
        case kIntegerList:
        case kFloatList: {
            uint64_t width = code == kIntegerList ? 4 : uint64_t(floatBytes_);
            if (!ReadU32(count) || (body_.size() - at_) / width < count) return Fail("truncated number list");
            listLeft_ = count;
            listOfFloats_ = code == kFloatList;
            continue;
        }
        case kOpenBrace: return {TokenKind::OpenBrace};
        case kCloseBrace: return {TokenKind::CloseBrace};
        case kComma:
        case kSemicolon: return {TokenKind::Separator};
        case kTemplate: return {TokenKind::Template};
        default:
            if ((code >= kOpenParen && code <= kDot) || (code >= kWordKeyword && code <= kArrayKeyword))
                return {TokenKind::Other};
            return Fail("unknown binary token");
        }
    }
}

}  // namespace d3dx9::xfile
