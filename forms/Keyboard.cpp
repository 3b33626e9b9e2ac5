#include "forms/Keyboard.h"

#include "automation/win32/WinApi.h"

namespace ombrelt::forms::Keyboard {

bool CtrlDown() {
    return (GetKeyState(VK_CONTROL) & 0x80) != 0;
}

bool PressedSinceLastPoll(int virtualKey) {
    return static_cast<unsigned short>(GetAsyncKeyState(virtualKey)) == 0x8001;
}

}  // namespace ombrelt::forms::Keyboard
