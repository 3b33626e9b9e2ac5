#pragma once
// The driver's side of the editor's end-to-end tests: a scratch copy of the
// program's folder (Ombrelt.exe, Compiler.dll, readme.txt), the program
// started there, and its windows found as a person sees them.
#include <windows.h>

#include <functional>
#include <initializer_list>
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
    // Starts Ombrelt.exe in the folder; a failed start is reported to the test.
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
// edit control), the mode choice (its label), the splash (caption "Splash"),
// the basic-mode window.
bool IsMainWindow(HWND window);
bool IsChoiceWindow(HWND window);
// The basic-mode window (caption "Ombrelt Basic Mode", maybe with a file title).
bool IsBasicWindow(HWND window);

// Polls until done() holds; false after the limit.
bool WaitUntil(const std::function<bool()>& done, DWORD limitMs);
// A key pressed and released as real input.
void Press(WORD vk);

// Brings the window to the front and waits until it takes keys: in front,
// activated by its own thread, enabled (no dialog of its own is up) and its
// menu closed.
bool AwaitKeys(HWND window, DWORD limitMs);

// Chooses a menu item as a person does from the keyboard: F10 and the
// menu's underlined letter, then the item's (or, where letters repeat in a
// menu, the keys that reach it: arrows and Enter). Another process cannot
// read a window's menu under Wine, so items cannot be found by caption.
bool ChooseMenu(HWND window, char menu, char item);
bool ChooseMenu(HWND window, char menu, std::initializer_list<WORD> keys);

}  // namespace ombrelt::e2e
