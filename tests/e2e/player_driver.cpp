#include "player_driver.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "../support/KeyInput.h"
#include "Compiler/ScriptPayload.h"
#include "ProcessStart.h"

namespace ombrelt::e2e {

std::string OwnFolder() {
    char path[MAX_PATH * 2] = {};
    const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string file(path, n);
    return file.substr(0, file.find_last_of('\\'));
}

ScratchFolder::ScratchFolder() {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    // Always a new folder: Wine hands out process ids again, and a folder
    // that an earlier run could not remove may still hold its programs.
    static int serial = 0;
    for (;;) {
        path_ = std::string(temp) + "ombrelt_player_e2e_" + std::to_string(GetCurrentProcessId()) + "_" +
                std::to_string(++serial);
        if (CreateDirectoryA(path_.c_str(), nullptr)) return;
        const DWORD error = GetLastError();
        if (error != ERROR_ALREADY_EXISTS) {
            ADD_FAILURE() << "cannot create " << path_ << ": error " << error;
            return;
        }
    }
}

ScratchFolder::~ScratchFolder() {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA(File(found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path_.c_str());
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

::testing::AssertionResult WriteFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return ::testing::AssertionFailure() << "cannot create " << path << ": error " << error;
    }
    DWORD written = 0;
    const bool wrote = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                       written == bytes.size();
    const DWORD error = GetLastError();
    if (!CloseHandle(file) && wrote) {
        const DWORD closeError = GetLastError();
        return ::testing::AssertionFailure() << "cannot close " << path << ": error " << closeError;
    }
    if (!wrote)
        return ::testing::AssertionFailure() << "wrote " << written << " of " << bytes.size() << " bytes to " << path
                                             << ": error " << error;
    return ::testing::AssertionSuccess();
}

std::string MakeCompiled(const ScratchFolder& folder, const std::string& name, char flag,
                         const std::string& script) {
    static const std::string player = ReadFileBytes(OwnFolder() + "\\Compiler.dll");
    const std::string path = folder.File(name);
    const auto compiled = WriteScriptPayload(player, flag, script);
    if (!compiled) {
        ADD_FAILURE() << "no compiled program: the player beside the driver has " << player.size() << " bytes";
        return {};
    }
    if (const auto written = WriteFileBytes(path, *compiled); !written) {
        ADD_FAILURE() << written.message();
        return {};
    }
    return path;
}

Process::Process(const std::string& commandLine) : commandLine_(commandLine) {
    PROCESS_INFORMATION info{};
    if ((error_ = testing::StartProgram(commandLine, info)) != 0) return;
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
}

::testing::AssertionResult Process::Started() const {
    if (process_) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "CreateProcess failed with error " << error_ << " for " << commandLine_;
}

Process::~Process() {
    if (!process_) return;
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
}

std::optional<DWORD> Process::WaitExit(DWORD limitMs) {
    if (!process_ || WaitForSingleObject(process_, limitMs) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

bool Process::Running() {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

namespace {
struct WindowSearch {
    DWORD id;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindowOf(HWND window, LPARAM param) {
    auto& s = *reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == s.id) s.found.push_back(window);
    return TRUE;
}
}  // namespace

std::vector<HWND> WindowsOf(DWORD processId) {
    WindowSearch search{processId, {}};
    EnumWindows(CollectWindowOf, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool WaitForCursor(int x, int y, DWORD limitMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        POINT p{};
        GetCursorPos(&p);
        if (p.x == x && p.y == y) return true;
        if (GetTickCount() - start > limitMs) return false;
        Sleep(5);
    }
}

bool HasVisibleWindow(DWORD processId) {
    const auto windows = WindowsOf(processId);
    return std::any_of(windows.begin(), windows.end(), [](HWND w) { return IsWindowVisible(w) != 0; });
}

HWND WaitForMessageBox(DWORD processId, DWORD limitMs) {
    const DWORD start = GetTickCount();
    do {
        for (HWND window : WindowsOf(processId)) {
            char cls[16] = {};
            GetClassNameA(window, cls, sizeof cls);
            if (std::string(cls) == "#32770" && IsWindowVisible(window)) return window;
        }
        Sleep(10);
    } while (GetTickCount() - start < limitMs);
    return nullptr;
}

std::string MessageBoxText(HWND box) {
    std::string text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[16] = {};
        GetClassNameA(child, cls, sizeof cls);
        if (_stricmp(cls, "Static") != 0) continue;
        char buffer[1024] = {};
        GetWindowTextA(child, buffer, sizeof buffer);
        if (std::string(buffer).size() > text.size()) text = buffer;
    }
    return text;
}

void CloseMessageBox(HWND box) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
}

void Key(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

bool PressHotKey(DWORD processId, char digit, const std::function<bool()>& done, DWORD limitMs) {
    const WORD key = static_cast<WORD>(digit);
    const auto held = [key] { return (GetAsyncKeyState(VK_CONTROL) & 0x8000) && (GetAsyncKeyState(key) & 0x8000); };
    for (int attempt = 0; attempt < 3; ++attempt) {
        bool takenBack = false;
        {
            const ombrelt::testing::KeysDown keys(VK_CONTROL, key, limitMs);
            const DWORD start = GetTickCount();
            while (keys.Down() && !done() && (held() || keys.ThroughX()) && GetTickCount() - start < limitMs) Sleep(1);
            takenBack = !keys.ThroughX() && !held();
        }
        if (done()) return true;
        if (!takenBack) return false;
        // A poll that saw the keys before Wine took them back has acted
        // once the program's thread answers a message.
        const std::vector<HWND> windows = WindowsOf(processId);
        if (!windows.empty()) SendMessageTimeoutA(windows.front(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
        if (done()) return true;
    }
    return false;
}

}  // namespace ombrelt::e2e
