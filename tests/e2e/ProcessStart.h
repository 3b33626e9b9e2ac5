#pragma once
// Starting a program from a test under Wine.
#include <string>

#include "automation/win32/WinApi.h"

namespace ombrelt::testing {

// CreateProcessA of the command line; 0, or the error of the last attempt.
// About one 64-bit Wine start in a few thousand dies before any code of the
// program runs: this wine64 has no preloader to keep the address of Wine's
// shared user data (0x7ffe0000) free, and the kernel places a 64-bit
// program's heap anywhere in the gigabyte above the loader, now and then
// right there ("failed to map the shared user data"). CreateProcess then
// fails with ERROR_INTERNAL_ERROR. Such a start is made again (the new
// process gets a heap of its own), which cannot repeat anything the program
// does; any other failure is final.
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
