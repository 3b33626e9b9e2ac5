// The keyboard focus between a form's controls, as the forms runtime keeps
// it: a form hands the focus to its first control when it first shows, takes
// back the control that had it whenever it is activated again, and Tab and
// Shift+Tab walk its controls in the order they were made.
#include "forms/Form.h"

#include "forms/Controls.h"

namespace ombrelt::forms {

namespace {

bool KeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// Shown and enabled by its own style: the form may be on its way to the screen.
bool CanTakeFocus(HWND window) {
    return IsWindow(window) && (GetWindowLongPtrA(window, GWL_STYLE) & (WS_VISIBLE | WS_DISABLED)) == WS_VISIBLE;
}

}  // namespace

bool Form::PreTranslate(MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    Form* form = FromWindow(root);
    if (!form) return false;
    if (form->accelerators_ && TranslateAcceleratorA(root, form->accelerators_, &message)) return true;
    if (form->HandleKey(message)) return true;
    // A Tab the form did not take belongs to its text box.
    if (message.wParam == VK_TAB) return false;
    // Forms without a menu bar are dialogs: Enter presses the default button
    // and the arrow keys move between options.
    return !form->menu_ && IsDialogMessageA(root, &message);
}

bool Form::HandleKey(const MSG& message) {
    if (message.message != WM_KEYDOWN) return false;
    if (message.wParam == VK_ESCAPE && cancelButton_) {
        if (cancelButton_->Visible() && cancelButton_->Enabled()) cancelButton_->PerformClick();
        return true;
    }
    if (message.wParam == VK_TAB && !KeyDown(VK_CONTROL) && !KeyDown(VK_MENU)) return MoveFocus(KeyDown(VK_SHIFT));
    return false;
}

bool Form::MoveFocus(bool backwards) {
    Control* current = ControlOf(GetFocus());
    const std::size_t count = controls_.size();
    std::size_t at = count;  // none: start before the first (or after the last)
    for (std::size_t i = 0; i < count; ++i)
        if (controls_[i] == current) at = i;
    for (std::size_t step = 1; step <= count; ++step) {
        std::size_t i;
        if (at == count) i = backwards ? count - step : step - 1;
        else i = (at + (backwards ? count - step : step)) % count;
        Control* next = controls_[i];
        if (!next->TabStop()) continue;
        if (next == current) {
            // The only stop: a multi-line text box takes the Tab as a character.
            const auto* box = dynamic_cast<const TextBox*>(current);
            return !(box && box->MultiLine());
        }
        ::SetFocus(next->window_);
        return true;
    }
    return true;  // nothing to move to; the key does nothing
}

Control* Form::ControlOf(HWND window) const {
    if (!window_ || !window || !IsChild(window_, window)) return nullptr;
    while (GetAncestor(window, GA_PARENT) != window_) window = GetAncestor(window, GA_PARENT);
    for (Control* control : controls_)
        if (control->window_ == window) return control;
    return nullptr;
}

void Form::RememberFocus() {
    HWND focus = GetFocus();
    if (focus && IsChild(window_, focus)) focus_ = focus;
}

bool Form::RestoreFocus() {
    if (!window_ || IsIconic(window_)) return false;
    if (focus_ && IsChild(window_, focus_) && CanTakeFocus(focus_)) {
        ::SetFocus(focus_);
        return true;
    }
    focus_ = nullptr;
    for (Control* control : controls_) {
        if (control->TabStop()) {
            ::SetFocus(control->window_);
            return true;
        }
    }
    return false;
}

}  // namespace ombrelt::forms
