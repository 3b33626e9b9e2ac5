#include "forms/Form.h"

#include "forms/Application.h"

namespace ombrelt::forms {

namespace {

constexpr char kClassName[] = "OmbreltForm";

bool RegisterFormClass(WNDPROC procedure) {
    static const bool registered = [procedure] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = procedure;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = kClassName;
        return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

}  // namespace

Form::Form(Application& app) : app_(app) {
    app_.forms_.push_back(this);
}

Form::~Form() {
    if (window_) DestroyWindow(window_);
    std::erase(app_.forms_, this);
}

bool Form::Load(const FormLayout& layout) {
    if (window_ || !RegisterFormClass(&Form::Procedure)) return false;
    DWORD exStyle = layout.ExStyle;
    if (!app_.TaskVisible()) exStyle |= WS_EX_TOOLWINDOW;
    // Never WS_VISIBLE here: a form appears only when it shows itself.
    CreateWindowExA(exStyle, kClassName, layout.Caption.c_str(), layout.Style & ~WS_VISIBLE, layout.X,
                    layout.Y, layout.Width, layout.Height, nullptr, nullptr, GetModuleHandleA(nullptr),
                    this);
    if (!window_) return false;
    Form_Load();
    return true;
}

void Form::Show() {
    if (window_) ShowWindow(window_, SW_SHOW);
}

void Form::Hide() {
    if (window_) ShowWindow(window_, SW_HIDE);
}

void Form::ApplyTaskVisible(bool visible) {
    if (!window_) return;
    LONG_PTR ex = GetWindowLongPtrA(window_, GWL_EXSTYLE);
    ex = visible ? (ex & ~static_cast<LONG_PTR>(WS_EX_TOOLWINDOW)) : (ex | WS_EX_TOOLWINDOW);
    SetWindowLongPtrA(window_, GWL_EXSTYLE, ex);
}

LRESULT CALLBACK Form::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Form* self;
    if (message == WM_NCCREATE) {
        self = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcA(window, message, wParam, lParam);

    LRESULT result = 0;
    try {
        result = self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // An exception must not unwind through the system's frames (it cannot
        // on 32-bit MinGW); handlers deal with their own errors, this is the
        // last guard.
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
    }
    return result;
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Each message that forms handle becomes a call of its named handler
    // here; so far none does, so all get the default processing.
    return DefWindowProcA(window_, message, wParam, lParam);
}

}  // namespace ombrelt::forms
