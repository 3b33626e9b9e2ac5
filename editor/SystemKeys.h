#pragma once
// The hot-key probe on the real keyboard: Ctrl as this program's input queue
// sees it, the digits by their asynchronous state and what this program saw
// of them at its previous poll.
#include "editor/HotKeys.h"
#include "forms/Keyboard.h"

namespace ombrelt::editor {

class SystemKeys final : public HotKeys::KeyProbe {
public:
    explicit SystemKeys(KeyPresses& presses) : presses_(presses) {}
    bool CtrlDown() override { return forms::Keyboard::CtrlDown(presses_); }
    bool PressedSinceLastPoll(int virtualKey) override {
        return forms::Keyboard::PressedSinceLastPoll(presses_, virtualKey);
    }

private:
    KeyPresses& presses_;
};

}  // namespace ombrelt::editor
