// The loader: a search folder given as Windows text (UTF-16, backslashes) and MIDI files
// loaded from it into segments after the file check.
#include "loader.h"

#include <fstream>
#include <iterator>

#include "file_name.h"
#include "load_log.h"
#include "midi_file.h"
#include "segment.h"

namespace dmusic {

namespace {

constexpr std::streamoff kLargestTune = 16 << 20;  // bytes; no tune of ours comes near

void AppendUtf8(std::string& text, char32_t code)
{
    if (code < 0x80) {
        text += char(code);
    } else if (code < 0x800) {
        text += char(0xC0 | code >> 6);
        text += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += char(0xE0 | code >> 12);
        text += char(0x80 | (code >> 6 & 0x3F));
        text += char(0x80 | (code & 0x3F));
    } else {
        text += char(0xF0 | code >> 18);
        text += char(0x80 | (code >> 12 & 0x3F));
        text += char(0x80 | (code >> 6 & 0x3F));
        text += char(0x80 | (code & 0x3F));
    }
}

bool ReadFile(const std::string& path, std::vector<uint8_t>& bytes)
{
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) return false;
    const std::streamoff size = file.tellg();
    if (size < 0 || size > kLargestTune) return false;
    bytes.resize(size_t(size));
    file.seekg(0);
    return bool(file.read(reinterpret_cast<char*>(bytes.data()), size));
}

HRESULT Refuse(const std::string& path, const char* reason, HRESULT result)
{
    win32::LogLoadFailure("tune", path.c_str(), reason);
    return result;
}

class Loader : public com::RefCounted<IDirectMusicLoader8> {
public:
    HRESULT SetSearchDirectory(REFGUID, const WCHAR* path, BOOL) override
    {
        if (!path) return E_POINTER;
        folder_ = PathFromWide(path);
        return S_OK;
    }

    HRESULT LoadObjectFromFile(REFGUID objectClass, REFIID iid, const WCHAR* fileName, void** object) override
    {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (!fileName) return E_POINTER;
        if (objectClass != CLSID_DirectMusicSegment) return E_INVALIDARG;
        if (iid != IID_IDirectMusicSegment8) return E_NOINTERFACE;
        std::string path = PathFromWide(fileName);
        if (!folder_.empty() && !path.empty() && path.front() != '/') path = folder_ + '/' + path;
        std::vector<uint8_t> bytes;
        if (!ReadFile(path, bytes)) return Refuse(path, "cannot open", DMUS_E_LOADER_FAILEDOPEN);
        if (!IsPlayableMidiFile(bytes.data(), bytes.size()))
            return Refuse(path, "no MIDI file we can play", DMUS_E_UNSUPPORTED_STREAM);
        *object = static_cast<IDirectMusicSegment8*>(new Segment(std::move(bytes)));
        return S_OK;
    }

private:
    std::string folder_;  // empty: the working directory
};

}  // namespace

std::string Utf8FromWide(const WCHAR* text)
{
    std::string utf8;
    for (; *text; ++text) {
        char32_t code = *text;
        if (code >= 0xD800 && code < 0xDC00 && text[1] >= 0xDC00 && text[1] < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (char32_t(text[1]) - 0xDC00);
            ++text;
        } else if (code >= 0xD800 && code < 0xE000) {
            code = 0xFFFD;  // a lone surrogate
        }
        AppendUtf8(utf8, code);
    }
    return utf8;
}

std::string PathFromWide(const WCHAR* text) { return win32::LocalFileName(Utf8FromWide(text).c_str()); }

IDirectMusicLoader8* NewLoader() { return new Loader; }

}  // namespace dmusic
