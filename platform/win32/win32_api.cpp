// The Windows calls of the game, each handed to the installed window system.
#include "win32_system.h"

using win32::System;

HICON LoadIconA(HINSTANCE, LPCSTR name) { return reinterpret_cast<HICON>(const_cast<char*>(name)); }
HCURSOR LoadCursorA(HINSTANCE, LPCSTR name) { return reinterpret_cast<HCURSOR>(const_cast<char*>(name)); }
HGDIOBJ GetStockObject(int object) { return reinterpret_cast<HGDIOBJ>(uintptr_t(object) + 1); }

ATOM RegisterClassA(const WNDCLASSA* windowClass) { return System().RegisterClass(windowClass); }

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID)
{
    return System().CreateWindow(exStyle, className, windowName, style, x, y, width, height, parent, menu,
                                 instance);
}

BOOL ShowWindow(HWND window, int showCommand) { return System().ShowWindow(window, showCommand); }
BOOL UpdateWindow(HWND window) { return System().UpdateWindow(window); }
HWND SetFocus(HWND window) { return System().SetFocus(window); }
int ShowCursor(BOOL show) { return System().ShowCursor(show); }

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return System().DefWindowProc(window, message, wParam, lParam);
}

BOOL PeekMessageA(LPMSG msg, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags)
{
    return System().PeekMessage(msg, window, filterMin, filterMax, removeFlags);
}

BOOL GetMessageA(LPMSG msg, HWND window, UINT filterMin, UINT filterMax)
{
    return System().GetMessage(msg, window, filterMin, filterMax);
}

BOOL TranslateMessage(const MSG* msg) { return System().TranslateMessage(msg); }
LRESULT DispatchMessageA(const MSG* msg) { return System().DispatchMessage(msg); }
void PostQuitMessage(int exitCode) { System().PostQuitMessage(exitCode); }
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    return System().MessageBox(owner, text, caption, type);
}
SHORT GetAsyncKeyState(int virtualKey) { return System().GetAsyncKeyState(virtualKey); }
void Sleep(DWORD milliseconds) { System().Sleep(milliseconds); }
MMRESULT timeBeginPeriod(UINT milliseconds) { return System().TimeBeginPeriod(milliseconds); }
MMRESULT timeEndPeriod(UINT milliseconds) { return System().TimeEndPeriod(milliseconds); }
DWORD GetCurrentDirectoryA(DWORD bufferLength, LPSTR buffer)
{
    return System().GetCurrentDirectory(bufferLength, buffer);
}
