// The header, the choice of encoding and the recursive parse of data objects.
#include "xfile_document.h"

#include <cstring>

#include "xfile_inflate.h"
#include "xfile_tokens.h"

namespace d3dx9::xfile {

namespace {

class Parser {
public:
    explicit Parser(Tokeniser& tokens) : tokens_(tokens) {}

    bool Document(XDocument& document)
    {
        for (;;) {
            Token token = tokens_.Next();
            switch (token.kind) {
            case TokenKind::End: return true;
            case TokenKind::Separator: break;
            case TokenKind::Template:
                if (!SkipTemplate()) return false;
                break;
            case TokenKind::Name:
                document.objects.emplace_back();
                if (!Object(token.text, document.objects.back(), 1)) return false;
                break;
            default: return Fail("unexpected token outside any object");
            }
        }
    }

    const std::string& Error() const { return error_; }

private:
    bool Fail(const char* reason)
    {
        error_ = tokens_.Error().empty() ? reason : tokens_.Error();
        return false;
    }

    // "template Name { ... }": nothing inside is needed, the reader knows its templates.
    bool SkipTemplate()
    {
        if (tokens_.Next().kind != TokenKind::Name || tokens_.Next().kind != TokenKind::OpenBrace)
            return Fail("malformed template");
        for (int depth = 1; depth > 0;) {
            TokenKind kind = tokens_.Next().kind;
            if (kind == TokenKind::OpenBrace) ++depth;
            if (kind == TokenKind::CloseBrace) --depth;
            if (kind == TokenKind::End || kind == TokenKind::Error) return Fail("unterminated template");
        }
        return true;
    }

    // After the type name: an optional object name, then the body in braces.
    bool Object(std::string_view type, XObject& object, int depth)
    {
        if (depth > kMaxXDepth) return Fail("objects nested too deep");
        object.type = type;
        Token token = tokens_.Next();
        if (token.kind == TokenKind::Name) {
            object.name = token.text;
            token = tokens_.Next();
        }
        if (token.kind != TokenKind::OpenBrace) return Fail("object without a body");
        for (;;) {
            token = tokens_.Next();
            switch (token.kind) {
            case TokenKind::Number: object.numbers.push_back(token.number); break;
            case TokenKind::String: object.strings.emplace_back(token.text); break;
            case TokenKind::Separator:
            case TokenKind::Guid: break;
            case TokenKind::OpenBrace:
                object.children.emplace_back();
                if (!Reference(object.children.back())) return false;
                break;
            case TokenKind::Name:
                object.children.emplace_back();
                if (!Object(token.text, object.children.back(), depth + 1)) return false;
                break;
            case TokenKind::CloseBrace: return true;
            case TokenKind::End: return Fail("unterminated object");
            default: return Fail("unexpected token inside an object");
            }
        }
    }

    // After "{": a name and/or a GUID, then "}".
    bool Reference(XObject& reference)
    {
        reference.reference = true;
        for (;;) {
            Token token = tokens_.Next();
            if (token.kind == TokenKind::CloseBrace) return true;
            if (token.kind == TokenKind::Name && reference.name.empty())
                reference.name = token.text;
            else if (token.kind != TokenKind::Guid)
                return Fail("malformed reference");
        }
    }

    Tokeniser& tokens_;
    std::string error_;
};

}  // namespace

bool ParseXFile(std::span<const uint8_t> file, XDocument& document, std::string& error)
{
    // "xof " "0303" then the encoding ("txt ", "bin ", "tzip", "bzip") and the float width.
    constexpr size_t kHeaderBytes = 16;
    document = {};
    if (file.size() > kMaxXFileBytes) {
        error = "file too large";
        return false;
    }
    if (file.size() < kHeaderBytes || std::memcmp(file.data(), "xof 03", 6) != 0) {
        error = "not a .x file";
        return false;
    }
    std::string_view format(reinterpret_cast<const char*>(file.data()) + 8, 4);
    std::string_view floats(reinterpret_cast<const char*>(file.data()) + 12, 4);
    bool binary = format == "bin " || format == "bzip";
    bool compressed = format == "tzip" || format == "bzip";
    if (!binary && !compressed && format != "txt ") {
        error = "unknown .x encoding";
        return false;
    }
    if (floats != "0032" && floats != "0064") {
        error = "unknown float width";
        return false;
    }
    std::vector<uint8_t> inflated;
    std::span<const uint8_t> body = file.subspan(kHeaderBytes);
    if (compressed) {
        if (!InflateBody(body, kMaxXFileBytes, inflated, error)) return false;
        body = inflated;
    }
    Tokeniser tokens(body, binary, floats == "0064" ? 8 : 4);
    Parser parser(tokens);
    if (!parser.Document(document)) {
        error = parser.Error();
        document = {};
        return false;
    }
    return true;
}

}  // namespace d3dx9::xfile
