#pragma once
// Message boxes, the clipboard, the common file dialogs and starting a
// program by its command line: the runtime services forms code calls.
#include "automation/win32/WinApi.h"

#include <string>

namespace ombrelt::forms {

// A message box owned by a window, which takes no input while the box is
// open (none: owned by no window); buttons and icon are the MB_ flags;
// returns the button pressed (IDOK, IDYES, IDNO...).
int MsgBox(HWND owner, const std::string& prompt, UINT buttons = MB_OK, const std::string& title = "");

namespace Clipboard {
// The clipboard's text, or "" when it holds none.
std::string GetText();
// Puts text on the clipboard in place of whatever it held. False when the
// clipboard could not be opened.
bool SetText(const std::string& text);
}  // namespace Clipboard

// The common dialog for opening or saving a file. Filter is written as
// "description|pattern|description|pattern"; on success FileName holds the
// full path and FileTitle the name without the folder.
struct FileDialog {
    std::string DialogTitle;
    std::string Filter;
    int FilterIndex = 1;
    std::string InitDir;
    std::string DefaultExt;
    std::string FileName;
    std::string FileTitle;
    DWORD Flags = 0;  // OFN_ flags added to the dialog's own

    // False when the user cancelled (or the dialog failed). The owner takes
    // no input while the dialog is open.
    bool ShowOpen(HWND owner = nullptr);
    bool ShowSave(HWND owner = nullptr);
};

// Starts a program from a command line, its window shown as showCommand
// (SW_SHOWNORMAL, SW_SHOWMAXIMIZED...). Returns the new process's id, or 0
// when it could not be started.
DWORD Shell(const std::string& commandLine, int showCommand = SW_SHOWNORMAL);

}  // namespace ombrelt::forms
