#pragma once
// The driver's side of the editor's end-to-end tests: a scratch copy of the
// program's folder (Ombrelt.exe, Compiler.dll, readme.txt), the program
// started there, and its windows found as a person sees them.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "player_driver.h"

namespace ombrelt::e2e {

// Ombrelt.exe and Compiler.dll copied from beside the test program into a
// fresh folder, with a readme.txt; settings.dat only when given.
class EditorFolder {
public:
    explicit EditorFolder(const std::string* settings = nullptr);
    const std::string& Path() const { return scratch_.Path(); }
    std::string File(const std::string& name) const { return scratch_.File(name); }
    std::string Settings() const { return ReadFileBytes(File("settings.dat")); }
    // Starts Ombrelt.exe in the folder.
    std::unique_ptr<Process> Start() const;

private:
    ScratchFolder scratch_;
};

// The first visible top-level window of the process for which test is true.
HWND WaitForWindow(DWORD processId, const std::function<bool(HWND)>& test, DWORD limitMs);
std::string WindowText(HWND window);
// A child window of the given class and text, or null.
HWND FindChild(HWND parent, const char* className, const std::string& text);

// The editor's windows: the advanced-mode window (caption "Ombrelt" and an
// edit control), the mode choice (its label), the splash (caption "Splash").
bool IsMainWindow(HWND window);
bool IsChoiceWindow(HWND window);

}  // namespace ombrelt::e2e
