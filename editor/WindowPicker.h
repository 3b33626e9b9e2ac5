#pragma once
// The statements that select the window under the pointer when played back:
// "SelectWindow(" with the top-level window's class and title, then one
// "SelectSubWindow(" per level down to the window under the pointer.
#include <string>

#include "automation/AutomationState.h"
#include "automation/Desktop.h"

namespace ombrelt::mdlRecord {

// A class name or title as the picker writes it: at most 99 characters,
// cut at the first NUL, leading spaces removed (trailing ones kept).
std::string PickerName(std::string name);

// Reads the pointer into state.CursorPoint, walks from the window under it up
// through its parents (an owned pop-up's owner counts as its parent) and
// returns the statements outermost first, each followed by CRLF. Names are
// written as read, without escaping. No window at the point gives
// "SelectWindow(\"\", \"\");".
std::string BuildSelectWindowScript(AutomationState& state, Desktop& desktop);

}  // namespace ombrelt::mdlRecord
