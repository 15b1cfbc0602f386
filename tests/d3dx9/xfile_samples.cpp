// Test files for the .x reader.
#include "xfile_samples.h"

#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <stdexcept>

#include "xfile_tokens.h"

namespace xsamples {

std::string CubeText(std::string_view version)
{
    return "xof " + std::string(version) + R"(txt 0032
// A cube with two materials.
# Comments of both kinds are skipped.
template Vector {
 <3d82ab5e-62da-11cf-ab39-0020af71e433>
 FLOAT x;
 FLOAT y;
 FLOAT z;
}

Material Red {
 1.0;0.0;0.0;1.0;;
 20.0;
 0.5;0.5;0.5;;
 0.0;0.0;0.25;;
}

Frame Cube {
 FrameTransformMatrix {
  1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0;;
 }
 Mesh CubeMesh {
  8;
  -1.0;-1.0;-1.0;, -1.0;1.0;-1.0;, 1.0;1.0;-1.0;, 1.0;-1.0;-1.0;,
  -1.0;-1.0;1.0;, -1.0;1.0;1.0;, 1.0;1.0;1.0;, 1.0;-1.0;1.0;;
  6;
  4;0,1,2,3;,  // front, z = -1
  4;7,6,5,4;,  // back
  4;4,5,1,0;,  // left
  4;3,2,6,7;,  // right
  4;1,5,6,2;,  // top
  4;4,0,3,7;;  // bottom
  MeshNormals {
   6;
   0.0;0.0;-1.0;, 0.0;0.0;1.0;, -1.0;0.0;0.0;, 1.0;0.0;0.0;, 0.0;1.0;0.0;, 0.0;-1.0;0.0;;
   6;
   4;0,0,0,0;, 4;1,1,1,1;, 4;2,2,2,2;, 4;3,3,3,3;, 4;4,4,4,4;, 4;5,5,5,5;;
  }
  MeshTextureCoords {
   8;
   0.0;1.0;, 0.0;0.0;, 1.0;0.0;, 1.0;1.0;, 0.25;1.0;, 0.25;0.0;, 0.75;0.0;, 0.75;1.0;;
  }
  MeshMaterialList {
   2;
   6;
   0,0,1,1,0,1;
   Material {
    0.2;0.4;0.6;1.0;;
    8.0;
    0.0;0.0;0.0;;
    0.0;0.0;0.0;;
    TextureFilename {
     "tex/cube.png";
    }
   }
   { Red }
  }
 }
}
)";
}

std::string PlainCube(std::string_view extra)
{
    return R"(xof 0303txt 0032
Mesh {
 8;
 -1.0;-1.0;-1.0;, -1.0;1.0;-1.0;, 1.0;1.0;-1.0;, 1.0;-1.0;-1.0;,
 -1.0;-1.0;1.0;, -1.0;1.0;1.0;, 1.0;1.0;1.0;, 1.0;-1.0;1.0;;
 6; 4;0,1,2,3;, 4;7,6,5,4;, 4;4,5,1,0;, 4;3,2,6,7;, 4;1,5,6,2;, 4;4,0,3,7;;
 MeshNormals {
  6; 0.0;0.0;-1.0;, 0.0;0.0;1.0;, -1.0;0.0;0.0;, 1.0;0.0;0.0;, 0.0;1.0;0.0;, 0.0;-1.0;0.0;;
  6; 4;0,0,0,0;, 4;1,1,1,1;, 4;2,2,2,2;, 4;3,3,3,3;, 4;4,4,4,4;, 4;5,5,5,5;;
 }
)" + std::string(extra) + "}\n";
}

namespace {

using namespace d3dx9::xfile;

class BinaryOut {
public:
    explicit BinaryOut(int floatBytes) : floatBytes_(floatBytes) {}

    void Token(uint16_t code)
    {
        Flush();
        Put16(code);
    }
    void Text(uint16_t code, std::string_view text)
    {
        Token(code);
        Put32(uint32_t(text.size()));
        bytes_.insert(bytes_.end(), text.begin(), text.end());
    }
    void Guid()
    {
        Token(kGuid);
        bytes_.insert(bytes_.end(), 16, 0x5A);
    }
    void Number(std::string_view word)
    {
        bool isFloat = word.find_first_of(".eE") != std::string_view::npos;
        if (!numbers_.empty() && isFloat != floats_) Flush();
        floats_ = isFloat;
        numbers_.push_back(std::stod(std::string(word)));
    }
    std::vector<uint8_t> Finish()
    {
        Flush();
        return bytes_;
    }

private:
    void Flush()
    {
        if (numbers_.empty()) return;
        Put16(floats_ ? kFloatList : kIntegerList);
        Put32(uint32_t(numbers_.size()));
        for (double n : numbers_) {
            if (!floats_) {
                Put32(uint32_t(n));
            } else if (floatBytes_ == 4) {
                float f = float(n);
                uint32_t bits;
                std::memcpy(&bits, &f, 4);
                Put32(bits);
            } else {
                uint64_t bits;
                std::memcpy(&bits, &n, 8);
                Put32(uint32_t(bits));
                Put32(uint32_t(bits >> 32));
            }
        }
        numbers_.clear();
    }
    void Put16(uint16_t v) { bytes_.insert(bytes_.end(), {uint8_t(v), uint8_t(v >> 8)}); }
    void Put32(uint32_t v) { Put16(uint16_t(v)), Put16(uint16_t(v >> 16)); }

    int floatBytes_;
    std::vector<uint8_t> bytes_;
    std::vector<double> numbers_;
    bool floats_ = false;
};

bool WordChar(char c) { return !std::isspace(uint8_t(c)) && !std::strchr("{},;[]<>\"", c); }

}  // namespace

std::vector<uint8_t> TextBodyToBinary(std::string_view text, int floatBytes)
{
    BinaryOut out(floatBytes);
    size_t at = 0;
    while (at < text.size()) {
        char c = text[at];
        if (std::isspace(uint8_t(c))) {
            ++at;
        } else if (c == '#' || text.substr(at, 2) == "//") {
            at = text.find('\n', at);
            if (at == std::string_view::npos) at = text.size();
        } else if (c == '"') {
            size_t close = text.find('"', at + 1);
            out.Text(kString, text.substr(at + 1, close - at - 1));
            at = close + 1;
        } else if (c == '<') {
            size_t close = text.find('>', at);
            out.Guid();
            at = close + 1;
        } else if (std::strchr("{},;[]", c)) {
            static const std::string_view kPunctuation = "{},;[]";
            static const uint16_t kCodes[] = {kOpenBrace, kCloseBrace, kComma, kSemicolon, kOpenBracket, kCloseBracket};
            out.Token(kCodes[kPunctuation.find(c)]);
            ++at;
        } else {
            size_t start = at;
            while (at < text.size() && WordChar(text[at]) && text.substr(at, 2) != "//") ++at;
            std::string_view word = text.substr(start, at - start);
            if (std::isdigit(uint8_t(word[0])) || word[0] == '-' || word[0] == '.')
                out.Number(word);
            else if (word == "template")
                out.Token(kTemplate);
            else if (word == "FLOAT")
                out.Token(kFloatKeyword);
            else if (word == "DWORD")
                out.Token(kDwordKeyword);
            else if (word == "array")
                out.Token(kArrayKeyword);
            else
                out.Text(kName, word);
        }
    }
    return out.Finish();
}

std::vector<uint8_t> TextToBinaryFile(const std::string& textFile, int floatBytes)
{
    std::vector<uint8_t> file = Bytes(textFile.substr(0, 8) + "bin " + (floatBytes == 8 ? "0064" : "0032"));
    std::vector<uint8_t> body = TextBodyToBinary(std::string_view(textFile).substr(16), floatBytes);
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

std::vector<uint8_t> Compress(std::string_view format, std::string_view floatWidth, const std::vector<uint8_t>& body,
                              size_t blockBytes)
{
    std::vector<uint8_t> file = Bytes("xof 0303" + std::string(format) + std::string(floatWidth));
    uint32_t total = uint32_t(body.size() + 16);
    for (int i = 0; i < 4; ++i) file.push_back(uint8_t(total >> (8 * i)));
    for (size_t start = 0; start < body.size(); start += blockBytes) {
        size_t plain = std::min(blockBytes, body.size() - start);
        z_stream stream{};
        if (deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
            throw std::runtime_error("deflateInit2");
        if (start > 0) {
            size_t previous = std::min(blockBytes, start);
            deflateSetDictionary(&stream, body.data() + start - previous, uInt(previous));
        }
        std::vector<uint8_t> packed(deflateBound(&stream, uLong(plain)));
        stream.next_in = const_cast<Bytef*>(body.data() + start);
        stream.avail_in = uInt(plain);
        stream.next_out = packed.data();
        stream.avail_out = uInt(packed.size());
        if (deflate(&stream, Z_FINISH) != Z_STREAM_END) throw std::runtime_error("deflate");
        packed.resize(stream.total_out);
        deflateEnd(&stream);
        uint16_t sizes[2] = {uint16_t(plain), uint16_t(packed.size() + 2)};
        for (uint16_t size : sizes) file.insert(file.end(), {uint8_t(size), uint8_t(size >> 8)});
        file.insert(file.end(), {'C', 'K'});
        file.insert(file.end(), packed.begin(), packed.end());
    }
    return file;
}

std::vector<uint8_t> Bytes(std::string_view text) { return std::vector<uint8_t>(text.begin(), text.end()); }

}  // namespace xsamples
