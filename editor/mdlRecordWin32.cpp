// The recorder's view of the keyboard and the mouse buttons.
#include "automation/win32/WinApi.h"
#include "editor/mdlRecord.h"

namespace ombrelt::mdlRecord {

KeyboardState ReadKeyboard() {
    // GetKeyState brings this thread's key state up to date with the input
    // the system has seen; GetKeyboardState alone can return a snapshot that
    // only another timer's key query had refreshed. The recorder's test is
    // the GetKeyState bit 0x80 for every key.
    GetKeyState(VK_SHIFT);
    KeyboardState keys{};
    if (!GetKeyboardState(keys.data())) keys.fill(0);
    return keys;
}

}  // namespace ombrelt::mdlRecord
