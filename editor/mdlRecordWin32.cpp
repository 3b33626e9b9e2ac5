// The recorder's view of the keyboard and the mouse buttons.
#include "automation/win32/WinApi.h"
#include "editor/mdlRecord.h"

namespace ombrelt::mdlRecord {

KeyboardState ReadKeyboard() {
    KeyboardState keys{};
    if (!GetKeyboardState(keys.data())) keys.fill(0);
    return keys;
}

}  // namespace ombrelt::mdlRecord
