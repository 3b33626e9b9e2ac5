#include "editor_driver.h"

namespace ombrelt::e2e {

EditorFolder::EditorFolder(const std::string* settings) {
    for (const char* name : {"Ombrelt.exe", "Compiler.dll"}) {
        const std::string from = OwnFolder() + "\\" + name;
        if (!CopyFileA(from.c_str(), File(name).c_str(), FALSE))
            ADD_FAILURE() << "cannot copy " << from << " to " << Path() << ": error " << GetLastError();
    }
    EXPECT_TRUE(WriteFileBytes(File("readme.txt"), "readme\r\n"));
    if (settings) {
        EXPECT_TRUE(WriteFileBytes(File("settings.dat"), *settings));
    }
}

std::unique_ptr<Process> EditorFolder::Start() const {
    auto process = std::make_unique<Process>(Quoted(File("Ombrelt.exe")));
    EXPECT_TRUE(process->Started());
    return process;
}

HWND WaitForWindow(DWORD processId, const std::function<bool(HWND)>& test, DWORD limitMs) {
    const DWORD start = GetTickCount();
    do {
        for (HWND window : WindowsOf(processId))
            if (IsWindowVisible(window) && test(window)) return window;
        Sleep(5);
    } while (GetTickCount() - start < limitMs);
    return nullptr;
}

std::string WindowText(HWND window) {
    // WM_GETTEXT, since GetWindowText does not ask another process's controls.
    char text[4096] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        nullptr);
    return text;
}

HWND FindChild(HWND parent, const char* className, const std::string& text) {
    for (HWND child = FindWindowExA(parent, nullptr, className, nullptr); child;
         child = FindWindowExA(parent, child, className, nullptr))
        if (WindowText(child) == text) return child;
    return nullptr;
}

bool IsMainWindow(HWND window) {
    return WindowText(window) == "Ombrelt" && FindWindowExA(window, nullptr, "Edit", nullptr) != nullptr;
}

bool IsBasicWindow(HWND window) {
    return WindowText(window).rfind("Ombrelt Basic Mode", 0) == 0;
}

bool IsChoiceWindow(HWND window) {
    return FindChild(window, "Static", "Choose one of the following:") != nullptr;
}

bool WaitUntil(const std::function<bool()>& done, DWORD limitMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > limitMs) return false;
        Sleep(5);
    }
    return true;
}

void Press(WORD vk) {
    Key(vk, false);
    Key(vk, true);
}

namespace {

bool MenuOpen(DWORD processId) {
    for (HWND w : WindowsOf(processId)) {
        char cls[16] = {};
        GetClassNameA(w, cls, sizeof cls);
        if (std::string(cls) == "#32768" && IsWindowVisible(w)) return true;
    }
    return false;
}

GUITHREADINFO GuiOf(DWORD thread) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(thread, &info)) info = GUITHREADINFO{};
    return info;
}

bool InMenuMode(DWORD thread) {
    return (GuiOf(thread).flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE)) != 0;
}

// Ends what a failed try left: an F10 that took effect after the try gave
// up on it, or a menu opened too late. Escape closes the open menu, then the
// menu bar.
void LeaveMenu(DWORD thread, DWORD processId) {
    for (int i = 0; i < 3 && (InMenuMode(thread) || MenuOpen(processId)); ++i) {
        Press(VK_ESCAPE);
        WaitUntil([&] { return !InMenuMode(thread) && !MenuOpen(processId); }, 1000);
    }
}

}  // namespace

bool AwaitKeys(HWND window, DWORD limitMs) {
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    return WaitUntil(
        [&] {
            if (!IsWindowVisible(window) || !IsWindowEnabled(window)) return false;
            if (GetForegroundWindow() != window) SetForegroundWindow(window);
            const GUITHREADINFO gui = GuiOf(thread);
            return GetForegroundWindow() == window && gui.hwndActive == window &&
                   !(gui.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE));
        },
        limitMs);
}

// Alt and a letter would open the menu too, but Wine takes an injected Alt
// back when X reports the window's focus a moment after Windows does, and
// the letter then lands in the window as text. F10 is a key alone, and once
// the menu bar is active a letter can only open a menu.
bool ChooseMenu(HWND window, char menu, std::initializer_list<WORD> keys) {
    DWORD processId = 0;
    const DWORD thread = GetWindowThreadProcessId(window, &processId);
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (AwaitKeys(window, 2000)) {
            Press(VK_F10);
            if (WaitUntil([&] { return InMenuMode(thread); }, 2000)) {
                Press(static_cast<WORD>(menu));
                if (WaitUntil([&] { return MenuOpen(processId); }, 2000)) {
                    for (WORD key : keys) Press(key);
                    return WaitUntil([&] { return !MenuOpen(processId) && !InMenuMode(thread); }, 2000);
                }
            }
        }
        LeaveMenu(thread, processId);  // the next try starts with no menu
    }
    return false;
}

bool ChooseMenu(HWND window, char menu, char item) {
    return ChooseMenu(window, menu, {static_cast<WORD>(item)});
}

}  // namespace ombrelt::e2e
