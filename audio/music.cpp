// PlayMidi: a new loader and performance per tune, the tune looked up in the working
// directory's DATA\snd folder and played through DirectMusic.
#include "audio/music.h"

#include "core/globals.h"
#include "core/release.h"

IDirectMusicLoader8* g_musicLoader = nullptr;
IDirectMusicPerformance8* g_musicPerformance = nullptr;
IDirectMusicSegment8* g_musicSegment = nullptr;

namespace {

HRESULT Fail(const char* message)
{
    MessageBoxA(g_hWnd, message, "", MB_OK);
    return E_FAIL;
}

// The working directory's DATA\snd folder, widened. False when the working directory is
// unknown or the folder text does not fit in 260 characters.
bool BuildSearchFolder(WCHAR (&wide)[MAX_PATH])
{
    char workingDirectory[MAX_PATH];
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, workingDirectory);
    if (length == 0 || length + sizeof("\\DATA\\snd") > MAX_PATH) return false;
    // A buffer of its own: formatting a text into the buffer it is read from is undefined.
    char folder[MAX_PATH];
    wsprintfA(folder, "%s\\DATA\\snd", workingDirectory);
    return MultiByteToWideChar(CP_ACP, 0, folder, -1, wide, MAX_PATH) != 0;
}

}  // namespace

HRESULT PlayMidi(const char* fileName, uint8_t stop, uint8_t repeat)
{
    if (stop && g_musicPerformance && g_musicSegment) g_musicPerformance->StopEx(g_musicSegment, 0, 0);
    CoInitialize(nullptr);

    if (FAILED(CoCreateInstance(CLSID_DirectMusicLoader, nullptr, CLSCTX_INPROC, IID_IDirectMusicLoader8,
                                reinterpret_cast<void**>(&g_musicLoader))))
        return Fail("DirectMusicLoader8 オブジェクトの作成に失敗しました。");
    if (FAILED(CoCreateInstance(CLSID_DirectMusicPerformance, nullptr, CLSCTX_INPROC, IID_IDirectMusicPerformance8,
                                reinterpret_cast<void**>(&g_musicPerformance)))) {
        Release(g_musicLoader);
        return Fail("DirectMusicPerformance オブジェクトの作成に失敗しました。");
    }
    if (FAILED(g_musicPerformance->InitAudio(nullptr, nullptr, nullptr, DMUS_APATH_SHARED_STEREOPLUSREVERB, 64,
                                             DMUS_AUDIOF_ALL, nullptr))) {
        Release(g_musicPerformance);
        Release(g_musicLoader);
        return Fail("パフォーマンスの初期化に失敗しました。");
    }

    // A folder or file name too long for the wide buffer is a tune that cannot be loaded.
    WCHAR wide[MAX_PATH];
    bool loaded = BuildSearchFolder(wide);
    if (loaded) {
        g_musicLoader->SetSearchDirectory(GUID_DirectMusicAllTypes, wide, FALSE);
        loaded = MultiByteToWideChar(CP_ACP, 0, fileName, -1, wide, MAX_PATH) != 0 &&
                 SUCCEEDED(g_musicLoader->LoadObjectFromFile(CLSID_DirectMusicSegment, IID_IDirectMusicSegment8, wide,
                                                             reinterpret_cast<void**>(&g_musicSegment)));
    }
    if (!loaded) {
        g_musicSegment = nullptr;
        Release(g_musicPerformance);
        Release(g_musicLoader);
        return Fail("MIDIファイルの読み込みに失敗しました。");
    }

    g_musicSegment->Download(g_musicPerformance);
    if (repeat) g_musicSegment->SetRepeats(DMUS_SEG_REPEAT_INFINITE);
    g_musicPerformance->PlaySegmentEx(g_musicSegment, nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr);
    return S_OK;
}
