// The window system stand-in: records, then hands over to the common behaviour.
#include "fake_win32.h"

#include "call_log.h"
#include "call_names.h"

namespace fake {

ATOM FakeWindowSystem::RegisterClass(const WNDCLASSA* windowClass)
{
    if (!windowClass) {
        Record(Call("RegisterClassA", nullptr));
        return 0;
    }
    Record(Call("RegisterClassA", windowClass->lpszClassName, name::ClassStyle(windowClass->style),
                reinterpret_cast<const void*>(windowClass->lpfnWndProc)));
    lastClass = *windowClass;
    return Win32System::RegisterClass(windowClass);
}

HWND FakeWindowSystem::CreateWindow(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, int x, int y,
                                    int width, int height, HWND parent, HMENU menu, HINSTANCE instance)
{
    Record(Call("CreateWindowExA", exStyle, className, title, name::WindowStyle(style), name::WindowPosition(x),
                name::WindowPosition(y), width, height, parent, menu, instance));
    if (failCreateWindow) return nullptr;
    HWND window = Win32System::CreateWindow(exStyle, className, title, style, x, y, width, height, parent, menu,
                                            instance);
    if (window) lastWindow = window;
    return window;
}

BOOL FakeWindowSystem::ShowWindow(HWND window, int showCommand)
{
    Record(Call("ShowWindow", window, name::ShowCommand(showCommand)));
    return Win32System::ShowWindow(window, showCommand);
}

BOOL FakeWindowSystem::UpdateWindow(HWND window)
{
    Record(Call("UpdateWindow", window));
    return Win32System::UpdateWindow(window);
}

HWND FakeWindowSystem::SetFocus(HWND window)
{
    Record(Call("SetFocus", window));
    return Win32System::SetFocus(window);
}

int FakeWindowSystem::ShowCursor(BOOL show)
{
    Record(Call("ShowCursor", name::Bool(show)));
    return Win32System::ShowCursor(show);
}

LRESULT FakeWindowSystem::DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Record(Call("DefWindowProcA", window, name::Message(message), wParam, lParam));
    return Win32System::DefWindowProc(window, message, wParam, lParam);
}

BOOL FakeWindowSystem::PeekMessage(LPMSG msg, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags)
{
    ++counts.peek;
    if (firstPeekHook) {
        const std::function<void()> hook = std::move(firstPeekHook);
        firstPeekHook = nullptr;
        hook();
    }
    if (recordMessageCalls) Record(Call("PeekMessageA", window, filterMin, filterMax, name::PeekFlags(removeFlags)));
    return Win32System::PeekMessage(msg, window, filterMin, filterMax, removeFlags);
}

BOOL FakeWindowSystem::GetMessage(LPMSG msg, HWND window, UINT filterMin, UINT filterMax)
{
    ++counts.get;
    if (recordMessageCalls) Record(Call("GetMessageA", window, filterMin, filterMax));
    return Win32System::GetMessage(msg, window, filterMin, filterMax);
}

BOOL FakeWindowSystem::TranslateMessage(const MSG* msg)
{
    ++counts.translate;
    if (recordMessageCalls) Record(Call("TranslateMessage", msg ? name::Message(msg->message) : Label{"null"}));
    return Win32System::TranslateMessage(msg);
}

LRESULT FakeWindowSystem::DispatchMessage(const MSG* msg)
{
    ++counts.dispatch;
    if (recordMessageCalls && msg)
        Record(Call("DispatchMessageA", name::Message(msg->message), msg->wParam, msg->lParam));
    return Win32System::DispatchMessage(msg);
}

void FakeWindowSystem::PostQuitMessage(int exitCode)
{
    Record(Call("PostQuitMessage", exitCode));
    Win32System::PostQuitMessage(exitCode);
}

int FakeWindowSystem::MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    Record(Call("MessageBoxA", owner, text, caption, name::MessageBoxType(type)));
    if (messageBoxAnswers.empty()) return (type & 0xF) == MB_YESNO ? IDNO : IDOK;
    int answer = messageBoxAnswers.front();
    messageBoxAnswers.pop_front();
    return answer;
}

void FakeWindowSystem::Sleep(DWORD milliseconds) { Record(Call("Sleep", milliseconds)); }

MMRESULT FakeWindowSystem::TimeBeginPeriod(UINT milliseconds)
{
    Record(Call("timeBeginPeriod", milliseconds));
    return Win32System::TimeBeginPeriod(milliseconds);
}

MMRESULT FakeWindowSystem::TimeEndPeriod(UINT milliseconds)
{
    Record(Call("timeEndPeriod", milliseconds));
    return Win32System::TimeEndPeriod(milliseconds);
}

DWORD FakeWindowSystem::GetCurrentDirectory(DWORD bufferLength, LPSTR buffer)
{
    Record(Call("GetCurrentDirectoryA", bufferLength, static_cast<const void*>(buffer)));
    return Win32System::GetCurrentDirectory(bufferLength, buffer);
}

FakeWindowSystem& WindowSystem() { return dynamic_cast<FakeWindowSystem&>(win32::System()); }
HWND Window() { return WindowSystem().lastWindow; }

void AnswerMessageBoxes(std::initializer_list<int> answers)
{
    WindowSystem().messageBoxAnswers.insert(WindowSystem().messageBoxAnswers.end(), answers);
}
void FailCreateWindow() { WindowSystem().failCreateWindow = true; }
void SetCurrentDirectory(const std::string& path) { WindowSystem().currentDirectory = path; }
void SetFirstPeekHook(std::function<void()> hook) { WindowSystem().firstPeekHook = std::move(hook); }
void RecordMessageCalls(bool on) { WindowSystem().recordMessageCalls = on; }
const MessageCallCounts& MessageCalls() { return WindowSystem().counts; }

void PressKey(int virtualKey) { WindowSystem().KeyDown(virtualKey); }
void ReleaseKey(int virtualKey) { WindowSystem().KeyUp(virtualKey); }
void TapKey(int virtualKey)
{
    PressKey(virtualKey);
    ReleaseKey(virtualKey);
}

void PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    WindowSystem().Win32System::PostMessage(Window(), message, wParam, lParam);
}
void PostQuit(int exitCode) { WindowSystem().Win32System::PostQuitMessage(exitCode); }
void CloseWindow() { WindowSystem().Win32System::CloseWindow(Window()); }

void InstallWindowSystem() { win32::Install(std::make_unique<FakeWindowSystem>()); }
void UninstallWindowSystem() { win32::Install(nullptr); }

}  // namespace fake
