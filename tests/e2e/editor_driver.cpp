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

}  // namespace

bool ChooseMenu(HWND window, char menu, std::initializer_list<WORD> keys) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    for (int attempt = 0; attempt < 3; ++attempt) {
        SetForegroundWindow(window);
        if (!WaitUntil([&] { return GetForegroundWindow() == window; }, 2000)) continue;
        Key(VK_MENU, false);
        Press(static_cast<WORD>(menu));
        Key(VK_MENU, true);
        if (!WaitUntil([&] { return MenuOpen(processId); }, 2000)) {
            Press(VK_ESCAPE);
            continue;
        }
        for (WORD key : keys) Press(key);
        return WaitUntil([&] { return !MenuOpen(processId); }, 2000);
    }
    return false;
}

bool ChooseMenu(HWND window, char menu, char item) {
    return ChooseMenu(window, menu, {static_cast<WORD>(item)});
}

}  // namespace ombrelt::e2e
