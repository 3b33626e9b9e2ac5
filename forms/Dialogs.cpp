#include "forms/Dialogs.h"

#include <commdlg.h>

#include <cstring>
#include <vector>

namespace ombrelt::forms {

namespace {

// Keeps a modal dialog above the window that owns it while it is open.
// Wine raises a window in its own z-order when X reports part of it exposed,
// whatever it owns: an exposure that X reported before the dialog appeared,
// handled after it, puts the disabled owner above the dialog that has the
// keyboard, and a topmost window overlapping the dialog keeps it there until
// the dialog closes. Wine then finds the owner at the dialog's buttons, so
// clicks that do not come from X (a script's, any automation's) miss the
// dialog. A thread timer ticks inside the dialog's loop and puts any shown
// window of the owner's that the owner stands above back just above it;
// where windows stand right, it changes nothing.
class AboveOwner {
public:
    explicit AboveOwner(HWND owner) : owner_(owner) {
        if (!owner_) return;
        owners_.push_back(owner_);
        timer_ = SetTimer(nullptr, 0, kCheckMs, Check);
    }
    ~AboveOwner() {
        if (!owner_) return;
        if (timer_) KillTimer(nullptr, timer_);
        owners_.pop_back();
    }
    AboveOwner(const AboveOwner&) = delete;
    AboveOwner& operator=(const AboveOwner&) = delete;

private:
    static constexpr UINT kCheckMs = 20;

    static void CALLBACK Check(HWND, UINT, UINT_PTR, DWORD) {
        for (HWND owner : owners_) EnumThreadWindows(GetCurrentThreadId(), Lift, reinterpret_cast<LPARAM>(owner));
    }

    static BOOL CALLBACK Lift(HWND window, LPARAM param) {
        const HWND owner = reinterpret_cast<HWND>(param);
        if (GetWindow(window, GW_OWNER) != owner || !IsWindowVisible(window) || !IsWindow(owner)) return TRUE;
        for (HWND below = GetWindow(owner, GW_HWNDNEXT); below; below = GetWindow(below, GW_HWNDNEXT)) {
            if (below != window) continue;
            // Just above the owner: the windows above it stay where they are.
            HWND above = GetWindow(owner, GW_HWNDPREV);
            if (!above || (GetWindowLongA(above, GWL_EXSTYLE) & WS_EX_TOPMOST)) above = HWND_TOP;
            SetWindowPos(window, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            break;
        }
        return TRUE;
    }

    static inline thread_local std::vector<HWND> owners_;  // the dialogs open on this thread, innermost last
    const HWND owner_;
    UINT_PTR timer_ = 0;
};

}  // namespace

int MsgBox(HWND owner, const std::string& prompt, UINT buttons, const std::string& title) {
    AboveOwner above(owner);
    return MessageBoxA(owner, prompt.c_str(), title.c_str(), buttons);
}

namespace Clipboard {

namespace {
struct OpenClipboardScope {
    bool open = OpenClipboard(nullptr) != 0;
    ~OpenClipboardScope() {
        if (open) CloseClipboard();
    }
};
}  // namespace

std::string GetText() {
    OpenClipboardScope scope;
    if (!scope.open) return {};
    HANDLE data = GetClipboardData(CF_TEXT);
    if (!data) return {};
    const auto* text = static_cast<const char*>(GlobalLock(data));
    if (!text) return {};
    std::string result(text, strnlen(text, GlobalSize(data)));
    GlobalUnlock(data);
    return result;
}

bool SetText(const std::string& text) {
    OpenClipboardScope scope;
    if (!scope.open) return false;
    // Emptied first: other programs would otherwise paste an older picture
    // or rich text that stayed beside the new text.
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!memory) return false;
    if (void* p = GlobalLock(memory)) {
        std::memcpy(p, text.c_str(), text.size() + 1);
        GlobalUnlock(memory);
    }
    if (!SetClipboardData(CF_TEXT, memory)) {
        GlobalFree(memory);
        return false;
    }
    return true;  // the clipboard owns the memory now
}

}  // namespace Clipboard

namespace {

bool RunFileDialog(FileDialog& dialog, HWND owner, bool save) {
    // "a|b|c|d" becomes "a\0b\0c\0d\0\0".
    std::string filter = dialog.Filter;
    for (char& c : filter)
        if (c == '|') c = '\0';
    filter.append(2, '\0');
    std::vector<char> file(32768, '\0');
    dialog.FileName.copy(file.data(), file.size() - 1);

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = dialog.Filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(dialog.FilterIndex);
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = dialog.InitDir.empty() ? nullptr : dialog.InitDir.c_str();
    ofn.lpstrTitle = dialog.DialogTitle.empty() ? nullptr : dialog.DialogTitle.c_str();
    ofn.lpstrDefExt = dialog.DefaultExt.empty() ? nullptr : dialog.DefaultExt.c_str();
    ofn.Flags = dialog.Flags | OFN_EXPLORER | OFN_HIDEREADONLY;
    AboveOwner above(owner);
    const BOOL ok = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    if (!ok) return false;
    dialog.FileName = file.data();
    dialog.FilterIndex = static_cast<int>(ofn.nFilterIndex);
    dialog.FileTitle = ofn.nFileOffset < dialog.FileName.size() ? dialog.FileName.substr(ofn.nFileOffset)
                                                                 : dialog.FileName;
    return true;
}

}  // namespace

bool FileDialog::ShowOpen(HWND owner) { return RunFileDialog(*this, owner, false); }
bool FileDialog::ShowSave(HWND owner) { return RunFileDialog(*this, owner, true); }

DWORD Shell(const std::string& commandLine, int showCommand) {
    std::string command = commandLine;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return 0;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return pi.dwProcessId;
}

}  // namespace ombrelt::forms
