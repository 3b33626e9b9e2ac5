#pragma once
// Keys that a test presses as real input, and never half a press.
//
// Under Wine an injected key can be taken back: when X reports a window
// gaining the focus or the pointer, Wine resets its key state from X's
// keymap, which never saw the key. Ctrl taken back just before its digit
// goes down leaves the digit typed as a plain key into the window in front.
// So where a window is shown in front, the keys are typed through the X
// server (xdotool), as a person's keyboard types them: X's keymap then holds
// them too, and Wine takes nothing back. X hands keys to the window that has
// its focus, which need not be Wine's window in front (Wine moves X's focus
// late or not at all), and with X's focus on no window, to whatever lies
// under the pointer or to nobody; so X's focus goes to the window in front
// first, as a window manager keeps it. A hidden or minimised window in
// front has no X window: then, and outside Wine, the keys go the Windows
// way, the modifier first and the key only once the modifier reads down.
#include "automation/win32/WinApi.h"

#include <cstdlib>
#include <string>

namespace ombrelt::testing {

namespace keyinput {

// A Unix path as this process names it, or "" outside Wine.
inline std::string DosPath(const std::string& unixPath) {
    using ToDos = WCHAR*(__cdecl*)(const char*);
    static const auto toDos = reinterpret_cast<ToDos>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
    if (!toDos) return {};
    WCHAR* wide = toDos(unixPath.c_str());
    if (!wide) return {};
    char path[MAX_PATH * 2] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, path, sizeof path, nullptr, nullptr);
    HeapFree(GetProcessHeap(), 0, wide);
    return path;
}

inline bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// xdotool's name of a key the tests press, or "" for one it has no name for.
inline std::string XName(WORD vk) {
    if (vk >= '0' && vk <= '9') return std::string(1, static_cast<char>(vk));
    if (vk >= 'A' && vk <= 'Z') return std::string(1, static_cast<char>(vk - 'A' + 'a'));
    switch (vk) {
    case VK_CONTROL: return "ctrl";
    case VK_SHIFT: return "shift";
    case VK_TAB: return "Tab";
    case VK_ESCAPE: return "Escape";
    default: return {};
    }
}

// Starts a Unix shell running the script, or false outside Wine. Wine gives
// a Unix program no handles, and leaves stale values in their place:
// closing them would close handles of this process. So a script says by
// files what it did.
inline bool StartShell(const std::string& script) {
    const std::string shell = DosPath("/bin/sh");
    if (shell.empty()) return false;
    std::string command = "\"" + shell + "\" -c \"" + script + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    return CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process) != 0;
}

// A file name of its own for a shell's signs.
inline std::string UniqueUnixPath(const char* what) {
    static unsigned count = 0;
    return std::string("/tmp/ombrelt-") + what + "-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(GetTickCount()) + "-" + std::to_string(++count);
}

// The X window of a shown Wine window, or 0 (a hidden or minimised window
// has none, and outside Wine no window has).
inline unsigned long XWindowOf(HWND window) {
    if (!window || !IsWindowVisible(window) || IsIconic(window)) return 0;
    return static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(GetPropA(window, "__wine_x11_whole_window")));
}

// Runs xdotool with these arguments and waits until it is done: true when it
// ran to its end within the limit.
inline bool RunXdotool(const std::string& arguments, DWORD limitMs = 5000) {
    const std::string done = UniqueUnixPath("xdotool");
    if (!StartShell("xdotool " + arguments + "; touch " + done)) return false;
    const std::string dosDone = DosPath(done);
    const DWORD start = GetTickCount();
    while (!Exists(dosDone)) {
        if (GetTickCount() - start > limitMs) return false;
        Sleep(1);
    }
    DeleteFileA(dosDone.c_str());
    return true;
}

}  // namespace keyinput

// A key, or a modifier and a key, held down from construction to
// destruction: through X where a window is shown in front, else the Windows
// way. The modifier goes down first and up last, gapMs apart from the key
// (for a program that must see each state); the key goes down only while
// the modifier is down.
class KeysDown {
public:
    KeysDown(WORD modifier, WORD key, DWORD limitMs = 5000, DWORD gapMs = 0)
        : modifier_(modifier), key_(key), gap_(gapMs) {
        if (const unsigned long window = XWindowInFront()) {
            StartX(window, limitMs);
            if (x_) return;
        }
        if (modifier_) {
            Send(modifier_, 0);
            const DWORD start = GetTickCount();
            while (!(GetAsyncKeyState(modifier_) & 0x8000)) {
                if (GetTickCount() - start > 1000) return;  // the key stays up
                Sleep(1);
            }
            Sleep(gap_);
        }
        Send(key_, 0);
        down_ = true;
    }
    KeysDown(const KeysDown&) = delete;
    KeysDown& operator=(const KeysDown&) = delete;
    ~KeysDown() {
        if (x_) {
            ReleaseX();
            return;
        }
        if (down_) Send(key_, KEYEVENTF_KEYUP);
        if (modifier_) {
            Sleep(gap_);
            Send(modifier_, KEYEVENTF_KEYUP);
        }
    }

    // The key went down with its modifier.
    bool Down() const { return down_; }
    // X holds the keys, so nothing takes them back.
    bool ThroughX() const { return x_; }

private:
    // The X window of Wine's window in front, where X can type the keys.
    unsigned long XWindowInFront() const {
        static const bool wine = !keyinput::DosPath("/").empty() && std::getenv("DISPLAY") &&
                                 keyinput::Exists(keyinput::DosPath("/usr/bin/xdotool"));
        if (!wine || keyinput::XName(key_).empty() || (modifier_ && keyinput::XName(modifier_).empty())) return 0;
        return keyinput::XWindowOf(GetForegroundWindow());
    }

    std::string Dos(const char* suffix) const { return dos_ + suffix; }

    // A shell holds the keys until the release file exists, or by itself
    // for limitMs and 10 s more, should this process end first.
    void StartX(unsigned long window, DWORD limitMs) {
        unix_ = keyinput::UniqueUnixPath("keys");
        dos_ = keyinput::DosPath(unix_);
        // xdotool's commands: the focus and the press are one call, and X
        // takes a client's requests in order.
        const std::string key = keyinput::XName(key_), modifier = modifier_ ? keyinput::XName(modifier_) : "";
        std::string press = "keydown " + key, release = "keyup " + key;
        if (modifier_ && gap_) {
            const std::string gap = " sleep " + std::to_string(gap_ / 1000.0) + " ";
            press = "keydown " + modifier + gap + press;
            release += gap + "keyup " + modifier;
        } else if (modifier_) {
            press = "keydown " + modifier + "+" + key;
            release = "keyup " + key + "+" + modifier;
        }
        if (!keyinput::StartShell("xdotool windowfocus " + std::to_string(window) + " " + press + "; touch " +
                                  unix_ + ".down; i=0; until [ -e " + unix_ + ".release ] || [ $i -ge " +
                                  std::to_string((limitMs + 10000) / 5) + " ]; do sleep 0.005; i=$((i+1)); done; " +
                                  "xdotool " + release + "; touch " + unix_ + ".up"))
            return;
        x_ = true;
        const DWORD start = GetTickCount();
        while (!(down_ = keyinput::Exists(Dos(".down"))) && GetTickCount() - start < limitMs) Sleep(1);
    }

    // Waits until X has let the keys go, so that no later key overtakes the
    // release. X hands the release to the window that has its focus; when
    // the keys hid or ended that window, nobody gets it and Wine would hold
    // the keys down: so they go up the Windows way too.
    void ReleaseX() const {
        CloseHandle(CreateFileA(Dos(".release").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        const DWORD start = GetTickCount();
        while (!keyinput::Exists(Dos(".up")) && GetTickCount() - start < 5000 + 2 * gap_) Sleep(1);
        for (const char* file : {".up", ".down", ".release"}) DeleteFileA(Dos(file).c_str());
        const DWORD released = GetTickCount();
        while (Reads(key_) || Reads(modifier_)) {
            if (GetTickCount() - released > 500) {
                for (const WORD vk : {key_, modifier_})
                    if (Reads(vk)) Send(vk, KEYEVENTF_KEYUP);
                return;
            }
            Sleep(1);
        }
    }

    static bool Reads(WORD vk) { return vk && (GetAsyncKeyState(vk) & 0x8000); }

    static void Send(WORD vk, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = flags;
        SendInput(1, &input, sizeof input);
    }

    const WORD modifier_, key_;
    const DWORD gap_;
    std::string unix_, dos_;
    bool x_ = false, down_ = false;
};

}  // namespace ombrelt::testing
