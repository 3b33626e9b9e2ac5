#include "forms/Keyboard.h"

#include "automation/win32/WinApi.h"

namespace ombrelt::forms::Keyboard {

bool CtrlDown(KeyPresses& presses) {
    const bool down = (GetKeyState(VK_CONTROL) & 0x80) != 0;
    if (!down) presses.Forget();
    return down;
}

bool PressedSinceLastPoll(KeyPresses& presses, int virtualKey) {
    return presses.Pressed(virtualKey, static_cast<std::uint16_t>(GetAsyncKeyState(virtualKey)));
}

}  // namespace ombrelt::forms::Keyboard
