#pragma once
// The key tests of the hot-key timers.
#include "automation/KeyPresses.h"

namespace ombrelt::forms::Keyboard {

// Ctrl is down as this program's input queue sees it. While it is up the
// program forgets what it saw of the digits.
bool CtrlDown(KeyPresses& presses);

// The key was pressed since this program's previous poll of it: its
// asynchronous state is exactly 0x8001, or it is down now and was up then.
bool PressedSinceLastPoll(KeyPresses& presses, int virtualKey);

}  // namespace ombrelt::forms::Keyboard
