#pragma once
// The key tests of the hot-key timers.
namespace ombrelt::forms::Keyboard {

// Ctrl is down as this program's input queue sees it.
bool CtrlDown();

// The key is down now and was pressed since the previous query of it (the
// asynchronous state is exactly 0x8001). Each query clears the "pressed
// since" bit, which other programs querying the same key share.
bool PressedSinceLastPoll(int virtualKey);

}  // namespace ombrelt::forms::Keyboard
