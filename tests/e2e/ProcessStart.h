#pragma once
// Starting a program from a test under Wine.
#include <string>

#include "automation/win32/WinApi.h"

namespace ombrelt::testing {

// CreateProcessA of the command line; 0, or the error of the last attempt.
// On a busy machine Wine now and then loses a new process during its own
// start-up, before any code of the program has run, and CreateProcess then
// fails with ERROR_INTERNAL_ERROR; such a start is made again, which cannot
// repeat anything the program does. Any other failure is final.
inline DWORD StartProgram(const std::string& commandLine, PROCESS_INFORMATION& info) {
    DWORD error = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        std::string line = commandLine;  // CreateProcessA may write into it
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
            return 0;
        error = GetLastError();
        if (error != ERROR_INTERNAL_ERROR) break;
    }
    return error;
}

}  // namespace ombrelt::testing
