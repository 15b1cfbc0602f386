// What stands behind the Windows calls: window classes and windows, the thread's message
// queue, the keyboard state and message boxes. The common behaviour lives here; the real
// system (SDL) and the test stand-in (platform/fake) override what touches the machine.
#pragma once

#include <array>
#include <deque>
#include <map>
#include <memory>
#include <string>

#include "timeapi.h"
#include "windows.h"

namespace win32 {

class Win32System {
public:
    virtual ~Win32System() = default;

    virtual ATOM RegisterClass(const WNDCLASSA* windowClass);
    virtual HWND CreateWindow(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, int x, int y,
                              int width, int height, HWND parent, HMENU menu, HINSTANCE instance);
    virtual BOOL ShowWindow(HWND window, int showCommand);
    virtual BOOL UpdateWindow(HWND window);
    virtual HWND SetFocus(HWND window);
    virtual int ShowCursor(BOOL show);
    virtual LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL PeekMessage(LPMSG msg, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags);
    virtual BOOL GetMessage(LPMSG msg, HWND window, UINT filterMin, UINT filterMax);
    virtual BOOL TranslateMessage(const MSG* msg);
    virtual LRESULT DispatchMessage(const MSG* msg);
    virtual void PostQuitMessage(int exitCode);
    virtual int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) = 0;
    virtual SHORT GetAsyncKeyState(int virtualKey);
    virtual void Sleep(DWORD milliseconds);
    virtual MMRESULT TimeBeginPeriod(UINT milliseconds);
    virtual MMRESULT TimeEndPeriod(UINT milliseconds);
    virtual DWORD GetCurrentDirectory(DWORD bufferLength, LPSTR buffer);

    // Puts a message at the end of the queue, as PostMessage does.
    void PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Keyboard input as the system sees it: the key's down bit follows the key, and a
    // press is remembered until GetAsyncKeyState reads it. KeyDown also queues WM_KEYDOWN
    // for the focused window.
    void KeyDown(int virtualKey, bool repeat = false);
    void KeyUp(int virtualKey);
    void ReleaseAllKeys();
    // Closing a window as its close box does: WM_CLOSE, whose default handling destroys
    // the window (WM_DESTROY).
    void CloseWindow(HWND window);
    virtual void DestroyWindow(HWND window);

    bool IsWindow(HWND window) const;
    bool IsVisible(HWND window) const;
    std::string Title(HWND window) const;
    HWND Focus() const { return focus_; }
    int CursorCount() const { return cursorCount_; }
    size_t QueuedMessages() const { return queue_.size(); }

protected:
    // Brings input that arrived since the last call into the queue and the key table.
    virtual void PumpEvents() {}
    // Waits until input may have arrived; false when nothing can ever arrive.
    virtual bool WaitEvents() { return false; }
    // The process's working directory as GetCurrentDirectoryA reports it; empty on failure.
    virtual std::string CurrentDirectory() const;

    struct Window {
        WNDPROC procedure = nullptr;
        std::string title;
        int width = 0;
        int height = 0;
        bool visible = false;
    };
    Window* Find(HWND window);
    const Window* Find(HWND window) const;

private:
    bool TakeMessage(LPMSG msg, bool remove);

    std::map<std::string, WNDCLASSA> classes_;
    std::map<HWND, Window> windows_;
    uintptr_t nextHandle_ = 1;
    std::deque<MSG> queue_;
    bool quitPosted_ = false;
    int quitCode_ = 0;
    HWND focus_ = nullptr;
    int cursorCount_ = 0;
    std::array<bool, 256> down_{};
    std::array<bool, 256> pressed_{};
};

// The system every Windows call goes to; set once before WinMain runs. Only Install ends
// it (Install(nullptr) after WinMain): nothing does at the process's exit.
void Install(std::unique_ptr<Win32System> system);
Win32System& System();
bool Installed();

}  // namespace win32
