// The behaviour shared by the real window system and the test stand-in.
#include "win32_system.h"

#include <unistd.h>

#include <cstring>
#include <thread>
#include <utility>

namespace win32 {

namespace {
// A plain pointer, so that no static destructor ends the system: a process that calls exit
// (Xlib's default when the X server goes away) must not call SDL on a display that is gone.
Win32System*& Slot()
{
    static Win32System* system = nullptr;
    return system;
}
}  // namespace

void Install(std::unique_ptr<Win32System> system)
{
    std::unique_ptr<Win32System> previous(std::exchange(Slot(), system.release()));
}
bool Installed() { return Slot() != nullptr; }
Win32System& System() { return *Slot(); }

ATOM Win32System::RegisterClass(const WNDCLASSA* windowClass)
{
    if (!windowClass || !windowClass->lpszClassName || !windowClass->lpfnWndProc) return 0;
    if (classes_.count(windowClass->lpszClassName)) return 0;
    classes_[windowClass->lpszClassName] = *windowClass;
    return ATOM(classes_.size());
}

HWND Win32System::CreateWindow(DWORD, LPCSTR className, LPCSTR title, DWORD, int, int, int width, int height,
                               HWND, HMENU, HINSTANCE)
{
    if (!className) return nullptr;
    auto found = classes_.find(className);
    if (found == classes_.end()) return nullptr;
    HWND handle = reinterpret_cast<HWND>(nextHandle_++);
    Window& window = windows_[handle];
    window.procedure = found->second.lpfnWndProc;
    window.title = title ? title : "";
    window.width = width;
    window.height = height;
    return handle;
}

BOOL Win32System::ShowWindow(HWND window, int showCommand)
{
    Window* found = Find(window);
    if (!found) return FALSE;
    BOOL wasVisible = found->visible;
    found->visible = showCommand != SW_HIDE;
    return wasVisible;
}

BOOL Win32System::UpdateWindow(HWND window) { return Find(window) ? TRUE : FALSE; }

HWND Win32System::SetFocus(HWND window)
{
    HWND previous = focus_;
    if (window && !Find(window)) return nullptr;
    focus_ = window;
    return previous;
}

int Win32System::ShowCursor(BOOL show)
{
    cursorCount_ += show ? 1 : -1;
    return cursorCount_;
}

LRESULT Win32System::DefWindowProc(HWND window, UINT message, WPARAM, LPARAM)
{
    if (message == WM_CLOSE) DestroyWindow(window);
    return 0;
}

bool Win32System::TakeMessage(LPMSG msg, bool remove)
{
    if (!queue_.empty()) {
        *msg = queue_.front();
        if (remove) queue_.pop_front();
        return true;
    }
    if (quitPosted_) {
        // The quit message is made when the queue is otherwise empty, as on Windows.
        *msg = {};
        msg->message = WM_QUIT;
        msg->wParam = WPARAM(quitCode_);
        if (remove) quitPosted_ = false;
        return true;
    }
    return false;
}

BOOL Win32System::PeekMessage(LPMSG msg, HWND, UINT, UINT, UINT removeFlags)
{
    if (!msg) return FALSE;
    PumpEvents();
    return TakeMessage(msg, (removeFlags & PM_REMOVE) != 0) ? TRUE : FALSE;
}

BOOL Win32System::GetMessage(LPMSG msg, HWND, UINT, UINT)
{
    if (!msg) return -1;
    PumpEvents();
    while (!TakeMessage(msg, true)) {
        if (!WaitEvents()) return -1;  // nothing can ever arrive: report an error, not a hang
        PumpEvents();
    }
    return msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL Win32System::TranslateMessage(const MSG* msg)
{
    return msg && msg->message == WM_KEYDOWN ? TRUE : FALSE;
}

LRESULT Win32System::DispatchMessage(const MSG* msg)
{
    if (!msg) return 0;
    Window* window = Find(msg->hwnd);
    if (!window || !window->procedure) return 0;
    return window->procedure(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

void Win32System::PostQuitMessage(int exitCode)
{
    quitPosted_ = true;
    quitCode_ = exitCode;
}

SHORT Win32System::GetAsyncKeyState(int virtualKey)
{
    if (virtualKey < 0 || virtualKey > 255) return 0;
    SHORT state = SHORT((down_[virtualKey] ? 0x8000 : 0) | (pressed_[virtualKey] ? 1 : 0));
    pressed_[virtualKey] = false;
    return state;
}

void Win32System::Sleep(DWORD milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

// Linux sleeps to the millisecond without being asked.
MMRESULT Win32System::TimeBeginPeriod(UINT milliseconds) { return milliseconds ? TIMERR_NOERROR : TIMERR_NOCANDO; }
MMRESULT Win32System::TimeEndPeriod(UINT milliseconds) { return milliseconds ? TIMERR_NOERROR : TIMERR_NOCANDO; }

std::string Win32System::CurrentDirectory() const
{
    char path[4096];
    return getcwd(path, sizeof path) ? std::string(path) : std::string();
}

DWORD Win32System::GetCurrentDirectory(DWORD bufferLength, LPSTR buffer)
{
    std::string path = CurrentDirectory();
    if (path.empty()) return 0;
    DWORD length = DWORD(path.size());
    if (!buffer || bufferLength <= length) return length + 1;  // the size needed, terminator included
    std::memcpy(buffer, path.c_str(), length + 1);
    return length;
}

void Win32System::PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG msg = {};
    msg.hwnd = window;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    queue_.push_back(msg);
}

void Win32System::KeyDown(int virtualKey, bool repeat)
{
    if (virtualKey <= 0 || virtualKey > 255) return;
    down_[virtualKey] = true;
    if (!repeat) pressed_[virtualKey] = true;
    if (focus_) PostMessage(focus_, WM_KEYDOWN, WPARAM(virtualKey), repeat ? LPARAM(0x40000001) : LPARAM(1));
}

void Win32System::KeyUp(int virtualKey)
{
    if (virtualKey <= 0 || virtualKey > 255) return;
    down_[virtualKey] = false;
    if (focus_) PostMessage(focus_, WM_KEYUP, WPARAM(virtualKey), LPARAM(0xC0000001));
}

void Win32System::ReleaseAllKeys() { down_.fill(false); }

void Win32System::CloseWindow(HWND window)
{
    if (Find(window)) PostMessage(window, WM_CLOSE, 0, 0);
}

void Win32System::DestroyWindow(HWND window)
{
    Window* found = Find(window);
    if (!found) return;
    WNDPROC procedure = found->procedure;
    if (procedure) procedure(window, WM_DESTROY, 0, 0);
    windows_.erase(window);
    if (focus_ == window) focus_ = nullptr;
}

bool Win32System::IsWindow(HWND window) const { return Find(window) != nullptr; }
bool Win32System::IsVisible(HWND window) const
{
    const Window* found = Find(window);
    return found && found->visible;
}
std::string Win32System::Title(HWND window) const
{
    const Window* found = Find(window);
    return found ? found->title : std::string();
}

Win32System::Window* Win32System::Find(HWND window)
{
    auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : &found->second;
}

const Win32System::Window* Win32System::Find(HWND window) const
{
    auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : &found->second;
}

}  // namespace win32
