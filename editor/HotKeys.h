#pragma once
// The hot-key poll of the editor's windows: Ctrl held and a digit pressed
// since the previous poll. The keys are read through a probe so the decisions
// are tested without a keyboard.
#include <functional>

namespace ombrelt::editor::HotKeys {

constexpr int KeyStop = 0x30;    // Ctrl+0
constexpr int KeyPause = 0x31;   // Ctrl+1
constexpr int KeyRecord = 0x38;  // Ctrl+8
constexpr int KeyPlay = 0x39;    // Ctrl+9

class KeyProbe {
public:
    virtual ~KeyProbe() = default;
    virtual bool CtrlDown() = 0;
    // Pressed since this program's previous poll of this key.
    virtual bool PressedSinceLastPoll(int virtualKey) = 0;
};

// What a window does for each hot key. The conditions are asked when their
// key's turn comes, after the earlier actions of the same poll have run.
struct Actions {
    std::function<void()> Stop;
    std::function<bool()> CanPause;
    std::function<void()> Pause;
    std::function<void()> Record;
    std::function<void()> Play;
    // Ctrl+8 and Ctrl+9 start nothing now (a recording runs, or one of the
    // editor's dialogs is open).
    std::function<bool()> StartBlocked = {};
};

// One poll. With Ctrl down the digits are queried in the order 0, 1, 8, 9,
// each followed by its action when it was pressed; all four are queried
// whatever the earlier results.
void Poll(KeyProbe& keys, const Actions& actions);

// The White Debug window's poll: only Ctrl+0.
bool StopPressed(KeyProbe& keys);

}  // namespace ombrelt::editor::HotKeys
