// Program starts and message boxes of the Win32 desktop.
#include "automation/win32/Com.h"
#include "automation/win32/Win32Desktop.h"
#include "automation/win32/WinApi.h"

namespace ombrelt::win32 {
namespace {

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

std::int32_t Win32Desktop::ShellExecute(const std::string& file, const std::string& parameters,
                                        const std::string& folder, std::int32_t show) {
    // The shell may hand the work to extensions that need COM on this thread.
    ComScope com(COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    HINSTANCE result =
        ShellExecuteA(GetDesktopWindow(), "Open", file.c_str(), OrNull(parameters), OrNull(folder), show);
    return static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(result));
}

std::int32_t Win32Desktop::MessageBox(const std::string& text, const std::string& title, std::uint32_t flags) {
    // Owned by the program's active window, if any, which the box disables
    // while it is open; the title is shown as given, even when empty.
    return MessageBoxA(GetActiveWindow(), text.c_str(), title.c_str(), flags);
}

}  // namespace ombrelt::win32
