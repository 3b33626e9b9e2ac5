#pragma once
// The hot-key probe on the real keyboard: Ctrl as this program's input queue
// sees it, the digits by their asynchronous state.
#include "editor/HotKeys.h"
#include "forms/Keyboard.h"

namespace ombrelt::editor {

class SystemKeys final : public HotKeys::KeyProbe {
public:
    bool CtrlDown() override { return forms::Keyboard::CtrlDown(); }
    bool PressedSinceLastPoll(int virtualKey) override { return forms::Keyboard::PressedSinceLastPoll(virtualKey); }
};

}  // namespace ombrelt::editor
