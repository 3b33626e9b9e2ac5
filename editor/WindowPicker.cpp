#include "editor/WindowPicker.h"

#include <algorithm>
#include <vector>

#include "editor/RecorderText.h"

namespace ombrelt::mdlRecord {

std::string PickerName(std::string name) {
    // The names are read into a 100-character buffer.
    constexpr std::size_t Longest = 99;
    name = name.substr(0, name.find('\0'));
    if (name.size() > Longest) name.resize(Longest);
    name.erase(0, std::min(name.find_first_not_of(' '), name.size()));
    return name;
}

std::string BuildSelectWindowScript(AutomationState& state, Desktop& desktop) {
    state.CursorPoint = desktop.GetCursorPos();
    std::vector<std::string> statements;  // from the window under the pointer outwards
    WindowHandle window = desktop.WindowFromPoint(state.CursorPoint);
    // A parent chain is finite, but guard against a window that names itself
    // or a cycle as it closes and its handle is reused.
    for (int level = 0;; ++level) {
        std::string title = PickerName(desktop.GetWindowText(window));
        std::string className = PickerName(desktop.GetClassName(window));
        WindowHandle parent = level < 1000 ? desktop.GetParent(window) : 0;
        if (parent == 0) {
            statements.push_back("SelectWindow(\"" + className + "\", \"" + title + "\");");
            break;
        }
        statements.push_back("SelectSubWindow(\"" + className + "\");");
        window = parent;
    }
    std::string text;
    for (auto it = statements.rbegin(); it != statements.rend(); ++it) {
        text += *it;
        text += CRLF;
    }
    return text;
}

}  // namespace ombrelt::mdlRecord
