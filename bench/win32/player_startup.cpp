// Start-up of a compiled executable against a bare Win32 program: the time
// from CreateProcess to the first statement (a key going down: the key state
// lives in the window server, so the driver sees it at once, where a pointer
// move reaches it only through the X server), the time to run an empty script
// and end, and the memory while the script pauses. Prints medians and
// minimums over the runs.
// Usage: bench_player_startup [runs]
#include <windows.h>
#include <mmsystem.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Compiler/ScriptPayload.h"

namespace {

constexpr int kKey = 0x87;  // F24: what the first statement presses, which nothing uses
constexpr int kHoldMs = 400;

std::string Folder() {
    char path[MAX_PATH * 2] = {};
    std::string file(path, GetModuleFileNameA(nullptr, path, sizeof path));
    return file.substr(0, file.find_last_of('\\'));
}

double Now() {
    LARGE_INTEGER c, f;
    QueryPerformanceCounter(&c);
    QueryPerformanceFrequency(&f);
    return 1000.0 * static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

struct Sample {
    double firstStatementMs = -1;  // -1: the key never went down
    double endMs = -1;
    double workingSetMb = 0, commitMb = 0;
};

// Starts the command line and watches for its first statement.
Sample Measure(const std::string& commandLine, bool watchKey) {
    Sample s;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::string line = commandLine;
    const double start = Now();
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return s;
    CloseHandle(pi.hThread);
    while (watchKey && Now() - start < 5000) {
        if (GetAsyncKeyState(kKey) & 0x8000) {
            s.firstStatementMs = Now() - start;
            break;
        }
        // A 1 ms nap between looks: polling flat out would load the window
        // server that the started program needs and slow it down.
        if (WaitForSingleObject(pi.hProcess, 1) == WAIT_OBJECT_0) break;
    }
    if (watchKey) {
        Sleep(kHoldMs / 2);  // inside the pause that follows the first statement
        PROCESS_MEMORY_COUNTERS m{};
        if (GetProcessMemoryInfo(pi.hProcess, &m, sizeof m)) {
            s.workingSetMb = static_cast<double>(m.WorkingSetSize) / (1024.0 * 1024.0);
            s.commitMb = static_cast<double>(m.PagefileUsage) / (1024.0 * 1024.0);
        }
    }
    if (WaitForSingleObject(pi.hProcess, 10000) == WAIT_OBJECT_0) {
        s.endMs = Now() - start;
    } else {
        TerminateProcess(pi.hProcess, 99);
        WaitForSingleObject(pi.hProcess, 5000);
    }
    CloseHandle(pi.hProcess);
    return s;
}

double Median(std::vector<double> v) {
    if (v.empty()) return -1;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double Min(const std::vector<double>& v) { return v.empty() ? -1 : *std::min_element(v.begin(), v.end()); }

struct Series {
    std::vector<double> first, end, ws, commit;
    void Add(const Sample& s, bool watched) {
        if (watched) {
            if (s.firstStatementMs >= 0) first.push_back(s.firstStatementMs);
            ws.push_back(s.workingSetMb);
            commit.push_back(s.commitMb);
        } else if (s.endMs >= 0) {
            end.push_back(s.endMs);
        }
    }
};

void Print(const char* name, const Series& s) {
    std::printf("%-10s first statement %7.1f ms (min %6.1f, %zu runs) | empty run to exit %7.1f ms (min %6.1f)"
                " | working set %5.1f MB, commit %5.1f MB\n",
                name, Median(s.first), Min(s.first), s.first.size(), Median(s.end), Min(s.end), Median(s.ws),
                Median(s.commit));
}

}  // namespace

int main(int argc, char** argv) {
    timeBeginPeriod(1);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 15;
    const std::string folder = Folder();
    std::ifstream in(folder + "\\Compiler.dll", std::ios::binary);
    const std::string player{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto moving = ombrelt::WriteScriptPayload(
        player, '0',
        "function(main);keydown(" + std::to_string(kKey) + ");pause(" + std::to_string(kHoldMs) + ");keyup(" +
            std::to_string(kKey) + ");endfunction();");
    const auto empty = ombrelt::WriteScriptPayload(player, '0', "function(main);endfunction();");
    const std::string movingExe = folder + "\\bench_moving.exe", emptyExe = folder + "\\bench_empty.exe";
    std::ofstream(movingExe, std::ios::binary).write(moving->data(), moving->size());
    std::ofstream(emptyExe, std::ios::binary).write(empty->data(), empty->size());

    const std::string bare = "\"" + folder + "\\bench_bare.exe\" ";
    Series player_, bare_;
    for (int i = 0; i < runs; ++i) {  // interleaved, so drift hits both alike
        bare_.Add(Measure(bare + std::to_string(kKey) + " " + std::to_string(kHoldMs), true), true);
        player_.Add(Measure("\"" + movingExe + "\"", true), true);
        bare_.Add(Measure(bare + "0 0", false), false);
        player_.Add(Measure("\"" + emptyExe + "\"", false), false);
    }
    Print("bare", bare_);
    Print("player", player_);
    std::printf("player - bare: first statement %+.1f ms, working set %+.1f MB, commit %+.1f MB\n",
                Median(player_.first) - Median(bare_.first), Median(player_.ws) - Median(bare_.ws),
                Median(player_.commit) - Median(bare_.commit));
    DeleteFileA(movingExe.c_str());
    DeleteFileA(emptyExe.c_str());
    return 0;
}
