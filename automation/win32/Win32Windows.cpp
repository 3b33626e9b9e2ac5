// Window search, reading and messages of the Win32 desktop.
#include "automation/win32/Win32Desktop.h"
#include "automation/win32/WinApi.h"

namespace ombrelt::win32 {
namespace {

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle ToHandle(HWND window) { return reinterpret_cast<WindowHandle>(window); }

}  // namespace

std::intptr_t Win32Desktop::SendMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                        std::intptr_t lParam) {
    return SendMessageA(ToHwnd(window), message, wParam, lParam);
}

WindowHandle Win32Desktop::FindWindow(const char* className, const char* title) {
    return ToHandle(FindWindowA(className, title));
}

WindowHandle Win32Desktop::FindWindowEx(WindowHandle parent, const char* className) {
    return ToHandle(FindWindowExA(ToHwnd(parent), nullptr, className, nullptr));
}

Point Win32Desktop::ScreenToClient(WindowHandle window, Point screen) {
    POINT p{screen.x, screen.y};
    if (!::ScreenToClient(ToHwnd(window), &p)) return screen;
    return {p.x, p.y};
}

WindowHandle Win32Desktop::WindowFromPoint(Point screen) { return ToHandle(::WindowFromPoint(POINT{screen.x, screen.y})); }

WindowHandle Win32Desktop::GetParent(WindowHandle window) { return ToHandle(::GetParent(ToHwnd(window))); }

std::string Win32Desktop::GetClassName(WindowHandle window) {
    char name[257] = {};
    int length = GetClassNameA(ToHwnd(window), name, sizeof name);
    return std::string(name, length > 0 ? length : 0);
}

std::string Win32Desktop::GetWindowText(WindowHandle window) {
    int length = GetWindowTextLengthA(ToHwnd(window));
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(ToHwnd(window), text.data(), length + 1);
    text.resize(copied > 0 ? copied : 0);
    return text;
}

}  // namespace ombrelt::win32
