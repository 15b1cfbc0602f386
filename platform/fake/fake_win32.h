// The window system stand-in: the common Windows behaviour of win32::Win32System (classes,
// windows, message queue, key table) with every call the game makes recorded, no real
// window, no waiting, and scripted answers.
#pragma once

#include <deque>
#include <functional>
#include <initializer_list>
#include <string>

#include "win32_system.h"

namespace fake {

// How often the game polled and handled messages; these calls are not recorded unless
// RecordMessageCalls is on, as the main loop makes them every turn.
struct MessageCallCounts {
    int peek = 0;
    int get = 0;
    int translate = 0;
    int dispatch = 0;
};

class FakeWindowSystem : public win32::Win32System {
public:
    ATOM RegisterClass(const WNDCLASSA* windowClass) override;
    HWND CreateWindow(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, int x, int y, int width,
                      int height, HWND parent, HMENU menu, HINSTANCE instance) override;
    BOOL ShowWindow(HWND window, int showCommand) override;
    BOOL UpdateWindow(HWND window) override;
    HWND SetFocus(HWND window) override;
    int ShowCursor(BOOL show) override;
    LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL PeekMessage(LPMSG msg, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags) override;
    BOOL GetMessage(LPMSG msg, HWND window, UINT filterMin, UINT filterMax) override;
    BOOL TranslateMessage(const MSG* msg) override;
    LRESULT DispatchMessage(const MSG* msg) override;
    void PostQuitMessage(int exitCode) override;
    int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) override;
    void Sleep(DWORD milliseconds) override;
    MMRESULT TimeBeginPeriod(UINT milliseconds) override;
    MMRESULT TimeEndPeriod(UINT milliseconds) override;
    DWORD GetCurrentDirectory(DWORD bufferLength, LPSTR buffer) override;

    // Scripts.
    std::deque<int> messageBoxAnswers;
    bool failCreateWindow = false;
    std::string currentDirectory = "D:\\play";
    bool recordMessageCalls = false;
    std::function<void()> firstPeekHook;

    // What happened.
    MessageCallCounts counts;
    WNDCLASSA lastClass = {};  // the last class registered, as the game filled it in
    HWND lastWindow = nullptr;

protected:
    std::string CurrentDirectory() const override { return currentDirectory; }
};

// A fresh stand-in in place of the window system, and none.
void InstallWindowSystem();
void UninstallWindowSystem();

// The stand-in in place; valid between Install and Uninstall.
FakeWindowSystem& WindowSystem();
// The window the game made last (null before).
HWND Window();

// Answers of the next message boxes, in order. Once they run out a box answers IDNO when it
// asks yes or no (window mode) and IDOK otherwise.
void AnswerMessageBoxes(std::initializer_list<int> answers);
void FailCreateWindow();
// What GetCurrentDirectoryA reports ("D:\\play" unless set).
void SetCurrentDirectory(const std::string& path);
// Runs once, inside the first PeekMessageA before it looks at the queue: in the game, the
// main loop's first turn, after the start-up and before any scene. A test gives the first
// frame its input from here.
void SetFirstPeekHook(std::function<void()> hook);
// Records PeekMessageA, GetMessageA, TranslateMessage and DispatchMessageA as well.
void RecordMessageCalls(bool on = true);
const MessageCallCounts& MessageCalls();

// The keyboard, as a player uses it: the key's WM_KEYDOWN / WM_KEYUP go to the focused
// window's queue and GetAsyncKeyState sees it down (0x8000) and pressed (bit 0).
void PressKey(int virtualKey);
void ReleaseKey(int virtualKey);
// Down and up again before the game looks: only the pressed bit is left to see.
void TapKey(int virtualKey);

// Input from outside the game, not recorded as the game's calls.
void PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);  // to Window()
void PostQuit(int exitCode = 0);
// The close box: WM_CLOSE, whose default handling destroys the window (WM_DESTROY).
void CloseWindow();

}  // namespace fake
