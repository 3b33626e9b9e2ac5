// Pointer and keyboard input of the Win32 desktop.
#include <vector>

#include "automation/SendKeys.h"
#include "automation/win32/Win32Desktop.h"
#include "automation/win32/WinApi.h"

namespace ombrelt::win32 {
namespace {

// Keys that exist twice on a keyboard (arrows and editing keys beside the
// numeric pad, Divide, Num Lock): the extended flag picks the right one.
bool IsExtendedKey(std::uint8_t vk) {
    return (vk >= VK_PRIOR && vk <= VK_DOWN) || vk == VK_INSERT || vk == VK_DELETE || vk == VK_DIVIDE ||
           vk == VK_NUMLOCK || vk == VK_SNAPSHOT || vk == VK_CANCEL;
}

class KeyInputs {
public:
    std::vector<INPUT> Inputs;

    void Key(std::uint8_t vk, bool up) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
        in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
        Inputs.push_back(in);
    }

    void Modifier(std::uint8_t vk, bool down) {
        Key(vk, !down);
        held_[Index(vk)] = down;
    }

    // A character as the keyboard types it, with the Shift, Ctrl and Alt it
    // needs beyond those already held; a character that no key gives is
    // typed as itself.
    void Char(char c) {
        SHORT scan = VkKeyScanA(c);
        if (scan == -1) {
            wchar_t wide = 0;
            if (MultiByteToWideChar(CP_ACP, 0, &c, 1, &wide, 1) != 1) return;
            for (bool up : {false, true}) {
                INPUT in{};
                in.type = INPUT_KEYBOARD;
                in.ki.wScan = wide;
                in.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
                Inputs.push_back(in);
            }
            return;
        }
        const std::uint8_t vk = LOBYTE(scan);
        const std::uint8_t needs = HIBYTE(scan);
        static constexpr std::uint8_t Modifiers[3] = {VkShift, VkControl, VkAlt};
        bool pressed[3] = {};
        for (int m = 0; m < 3; ++m) {
            if ((needs & (1 << m)) && !held_[m]) {
                Key(Modifiers[m], false);
                pressed[m] = true;
            }
        }
        Key(vk, false);
        Key(vk, true);
        for (int m = 2; m >= 0; --m)
            if (pressed[m]) Key(Modifiers[m], true);
    }

private:
    static int Index(std::uint8_t modifier) { return modifier == VkShift ? 0 : modifier == VkControl ? 1 : 2; }
    bool held_[3] = {};
};

}  // namespace

Point Win32Desktop::GetCursorPos() {
    POINT p{};
    ::GetCursorPos(&p);
    return {p.x, p.y};
}

void Win32Desktop::SetCursorPos(std::int32_t x, std::int32_t y) { ::SetCursorPos(x, y); }

void Win32Desktop::MouseEvent(std::uint32_t flags) {
    inputSent_ = true;
    mouse_event(flags, 0, 0, 0, 0);
}

void Win32Desktop::KeybdEvent(std::uint8_t vk, std::uint32_t flags) {
    inputSent_ = true;
    keybd_event(vk, 0, flags, 0);
}

bool Win32Desktop::SendKeys(const std::string& keys) {
    auto strokes = ParseSendKeys(keys);
    if (!strokes) return false;
    KeyInputs out;
    for (const KeyStroke& s : *strokes) {
        switch (s.What) {
            case KeyStroke::Kind::Press: out.Modifier(s.VirtualKey, true); break;
            case KeyStroke::Kind::Release: out.Modifier(s.VirtualKey, false); break;
            case KeyStroke::Kind::Key:
                for (std::int32_t i = 0; i < s.Count; ++i) {
                    out.Key(s.VirtualKey, false);
                    out.Key(s.VirtualKey, true);
                }
                break;
            case KeyStroke::Kind::Char:
                for (std::int32_t i = 0; i < s.Count; ++i) out.Char(s.Character);
                break;
        }
    }
    if (out.Inputs.empty()) return true;
    inputSent_ = true;
    // One call, so no other input lands between the keys of the text.
    UINT sent = SendInput(static_cast<UINT>(out.Inputs.size()), out.Inputs.data(), sizeof(INPUT));
    return sent == out.Inputs.size();
}

// A thread takes all the input queued for it before it paints (Windows and
// Wine hand out sent, posted and input messages before WM_PAINT). So once a
// window of the receiving thread has painted a pixel invalidated now, every
// event synthesised before has been taken. The receivers: the foreground
// thread (keys) and the window under the pointer (clicks).
void Win32Desktop::AwaitInputDelivered() {
    if (!inputSent_) return;
    inputSent_ = false;
    std::vector<HWND> watched;
    const auto watch = [&](HWND window) {
        RECT area{};
        if (!window || GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId() ||
            !IsWindowVisible(window) || IsIconic(GetAncestor(window, GA_ROOT)) || !GetClientRect(window, &area) ||
            IsRectEmpty(&area))
            return;  // our own thread, or a window that will not paint
        const RECT pixel{0, 0, 1, 1};
        if (InvalidateRect(window, &pixel, FALSE)) watched.push_back(window);
    };
    HWND foreground = GetForegroundWindow();
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    if (foreground && GetGUIThreadInfo(GetWindowThreadProcessId(foreground, nullptr), &gui) && gui.hwndFocus)
        foreground = gui.hwndFocus;
    watch(foreground);
    POINT pointer{};
    if (::GetCursorPos(&pointer)) watch(::WindowFromPoint(pointer));

    // A program that never paints (hung, or one that leaves its window
    // invalid) costs this much at most.
    constexpr DWORD kLimitMs = 2000;
    const DWORD start = GetTickCount();
    while (!watched.empty() && GetTickCount() - start < kLimitMs) {
        std::erase_if(watched, [](HWND w) { return !IsWindow(w) || !GetUpdateRect(w, nullptr, FALSE); });
        if (watched.empty()) break;
        // Messages other threads send to ours are answered meanwhile.
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        Sleep(1);
    }
}

}  // namespace ombrelt::win32
