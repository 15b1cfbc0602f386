// MSZIP: each block is a raw deflate stream, signed "CK", that may refer back into the
// previous block's output, so that output is handed to zlib as the dictionary.
#include "xfile_inflate.h"

#include <zlib.h>

#include <cstring>

namespace d3dx9::xfile {

namespace {

// A block never holds more than this, the size of the deflate window.
constexpr size_t kMaxBlockBytes = 32768;

uint32_t ReadLE(const uint8_t* p, int bytes)
{
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | p[i];
    return value;
}

class RawInflater {
public:
    RawInflater() { ok_ = inflateInit2(&stream_, -MAX_WBITS) == Z_OK; }
    ~RawInflater()
    {
        if (ok_) inflateEnd(&stream_);
    }
    RawInflater(const RawInflater&) = delete;
    RawInflater& operator=(const RawInflater&) = delete;

    // Inflates one block of exactly out.size() bytes, with the previous output as dictionary.
    bool Block(std::span<const uint8_t> in, std::span<const uint8_t> dictionary, std::span<uint8_t> out)
    {
        if (!ok_ || inflateReset(&stream_) != Z_OK) return false;
        if (!dictionary.empty() &&
            inflateSetDictionary(&stream_, dictionary.data(), uInt(dictionary.size())) != Z_OK)
            return false;
        stream_.next_in = const_cast<Bytef*>(in.data());
        stream_.avail_in = uInt(in.size());
        stream_.next_out = out.data();
        stream_.avail_out = uInt(out.size());
        int result = inflate(&stream_, Z_FINISH);
        return result == Z_STREAM_END && stream_.avail_out == 0;
    }

private:
    z_stream stream_{};
    bool ok_ = false;
};

}  // namespace

bool InflateBody(std::span<const uint8_t> afterHeader, size_t maxBytes, std::vector<uint8_t>& body,
                 std::string& error)
{
    constexpr size_t kHeaderBytes = 16;
    if (afterHeader.size() < 4) {
        error = "compressed file ends before its size";
        return false;
    }
    uint32_t total = ReadLE(afterHeader.data(), 4);
    if (total < kHeaderBytes || total - kHeaderBytes > maxBytes) {
        error = "compressed file states an impossible size";
        return false;
    }
    const size_t bodyBytes = total - kHeaderBytes;
    body.clear();
    RawInflater inflater;
    size_t at = 4;
    size_t previousBlock = 0;
    while (body.size() < bodyBytes) {
        if (afterHeader.size() - at < 6) {
            error = "compressed file ends inside a block header";
            return false;
        }
        const uint8_t* header = afterHeader.data() + at;
        size_t plainBytes = ReadLE(header, 2);
        size_t packedBytes = ReadLE(header + 2, 2);  // counts the "CK" signature
        if (plainBytes == 0 || plainBytes > kMaxBlockBytes || plainBytes > bodyBytes - body.size() ||
            packedBytes < 2 || std::memcmp(header + 4, "CK", 2) != 0) {
            error = "bad compressed block header";
            return false;
        }
        at += 4;
        if (afterHeader.size() - at < packedBytes) {
            error = "compressed block runs past the end of the file";
            return false;
        }
        size_t start = body.size();
        body.resize(start + plainBytes);
        std::span<const uint8_t> dictionary(body.data() + start - previousBlock, previousBlock);
        if (!inflater.Block(afterHeader.subspan(at + 2, packedBytes - 2), dictionary,
                            std::span<uint8_t>(body.data() + start, plainBytes))) {
            error = "compressed block does not inflate to its size";
            return false;
        }
        previousBlock = plainBytes;
        at += packedBytes;
    }
    return true;
}

}  // namespace d3dx9::xfile
