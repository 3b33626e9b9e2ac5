#pragma once
// The driver's side of the player's end-to-end tests: makes compiled
// executables from scripts (a copy of the built player with a payload), runs
// them, and watches and drives them as a person would.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ombrelt::e2e {

// How long a compiled executable may take to start under Wine, with margin.
inline constexpr DWORD kStartLimit = 5000;

inline std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

// This test program's folder (the built player is copied beside it).
std::string OwnFolder();

// A scratch folder of its own per test program run, removed with its files.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

std::string ReadFileBytes(const std::string& path);
// Writes the whole file, or says what failed.
::testing::AssertionResult WriteFileBytes(const std::string& path, const std::string& bytes);

// Writes a compiled executable: the player with flag and script appended.
// Returns its path; a failure is reported to the test and gives no path.
std::string MakeCompiled(const ScratchFolder& folder, const std::string& name, char flag,
                         const std::string& script);

// A started program, ended by its handle (with a time limit) when the test
// lets go of it.
class Process {
public:
    explicit Process(const std::string& commandLine);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    // When it did not start, CreateProcess's error and the command line.
    ::testing::AssertionResult Started() const;
    DWORD Id() const { return id_; }
    // The exit code once it has ended within the limit; nothing otherwise.
    std::optional<DWORD> WaitExit(DWORD limitMs);
    bool Running();

private:
    std::string commandLine_;
    DWORD error_ = 0;
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// Top-level windows of a process.
std::vector<HWND> WindowsOf(DWORD processId);
bool HasVisibleWindow(DWORD processId);

// Waits up to limitMs for a visible message box of the process.
HWND WaitForMessageBox(DWORD processId, DWORD limitMs);
// The message text of a message box (its longest static text).
std::string MessageBoxText(HWND box);
// Presses its OK button.
void CloseMessageBox(HWND box);

// Waits up to limitMs for the pointer to show at (x, y): Wine reports
// another process's SetCursorPos a moment late.
bool WaitForCursor(int x, int y, DWORD limitMs);

// One key going down or up, as real input.
void Key(WORD vk, bool up);

// Ctrl and a digit as real input, held as a person holds them until the
// program shows it took them (done); false when it never did. Wine takes
// injected keys back when X reports that a window gained the focus or the
// pointer (it sets its key state from the X server's, which never saw them):
// a press taken back before the program saw it is made again, once the
// program's thread has answered, so that a press it did see counts once.
bool PressHotKey(DWORD processId, char digit, const std::function<bool()>& done, DWORD limitMs = 5000);

// Sleeps, while the driver keeps no windows of its own.
inline void Pause(DWORD ms) { Sleep(ms); }

}  // namespace ombrelt::e2e
