#pragma once
// Starts the target window program for a test, reads its log and ends it by
// its process id. The program's path comes from OMBRELT_TARGET_WINDOW (see
// ombrelt_use_target_window in tests/e2e/CMakeLists.txt).
#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "ProcessStart.h"
#include "automation/win32/WinApi.h"

namespace ombrelt::testing {

class TargetProcess {
public:
    // A fresh log file; the program starts only when launch is true (else
    // the test starts it, e.g. through the shell, with LogArguments()).
    explicit TargetProcess(const std::string& arguments = "", bool launch = true) {
        char folder[MAX_PATH + 1] = {};
        GetTempPathA(MAX_PATH, folder);
        char file[MAX_PATH + 1] = {};
        if (!GetTempFileNameA(folder, "tgt", 0, file))
            ADD_FAILURE() << "no log file in " << folder << ": error " << GetLastError();
        log_ = file;
        if (!launch) return;
        const std::string command = "\"" + ExePath() + "\" " + LogArguments() + " " + arguments;
        PROCESS_INFORMATION pi{};
        if (const DWORD error = StartProgram(command, pi)) {
            ADD_FAILURE() << "CreateProcess failed with error " << error << " for " << command;
            return;
        }
        process_ = pi.hProcess;
        CloseHandle(pi.hThread);
    }
    TargetProcess(const TargetProcess&) = delete;
    TargetProcess& operator=(const TargetProcess&) = delete;
    ~TargetProcess() {
        End();
        DeleteFileA(log_.c_str());
    }

    // The program as Windows names it (Wine maps the Unix path to drive Z:).
    static std::string ExePath() {
        std::string path = OMBRELT_TARGET_WINDOW;
        if (!path.empty() && path[0] == '/') {
            for (auto& c : path)
                if (c == '/') c = '\\';
            path = "Z:" + path;
        }
        return path;
    }
    std::string LogArguments() const { return "--log \"" + log_ + "\""; }

    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        HANDLE h = CreateFileA(log_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) return lines;
        std::string text;
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(h, buffer, sizeof buffer, &read, nullptr) && read > 0) text.append(buffer, read);
        CloseHandle(h);
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

    // The first log line that starts with prefix, waiting up to timeoutMs.
    std::optional<std::string> WaitFor(const std::string& prefix, DWORD timeoutMs = 5000) const {
        DWORD start = GetTickCount();
        for (;;) {
            for (auto& line : Lines())
                if (line.rfind(prefix, 0) == 0) return line;
            if (GetTickCount() - start > timeoutMs) return std::nullopt;
            Sleep(10);
        }
    }

    // The window, once the program has logged READY (0 if it never does).
    HWND Window() {
        if (!window_) {
            if (auto ready = WaitFor("READY ")) {
                std::istringstream in(ready->substr(6));
                unsigned long long handle = 0;
                in >> std::hex >> handle;
                window_ = reinterpret_cast<HWND>(static_cast<UINT_PTR>(handle));
            }
        }
        return window_;
    }

    // Screen position of the client area's top-left corner.
    POINT ClientOrigin() {
        POINT p{0, 0};
        ClientToScreen(Window(), &p);
        return p;
    }

    // Asks the program to close, then ends it by its id if it has not.
    void End() {
        if (!process_ && window_) {
            DWORD pid = 0;
            GetWindowThreadProcessId(window_, &pid);
            if (pid) process_ = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
        }
        if (!process_) return;
        if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_, 3000) != WAIT_OBJECT_0) TerminateProcess(process_, 1);
        CloseHandle(process_);
        process_ = nullptr;
    }

private:
    std::string log_;
    HANDLE process_ = nullptr;
    HWND window_ = nullptr;
};

}  // namespace ombrelt::testing
