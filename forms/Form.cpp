#include "forms/Form.h"

#include <algorithm>

#include "forms/Application.h"
#include "forms/Controls.h"
#include "forms/Menu.h"

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

FormLayout FormLayout::FixedDialog(std::string caption, int width, int height) {
    FormLayout layout;
    layout.Caption = std::move(caption);
    layout.Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    layout.ExStyle = WS_EX_DLGMODALFRAME;
    layout.Width = width;
    layout.Height = height;
    layout.X = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    layout.Y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    return layout;
}

Form::Form(Application& app) : app_(app) {
    app_.forms_.push_back(this);
}

Form::~Form() {
    if (window_) DestroyWindow(window_);
    std::erase(app_.forms_, this);
    if (accelerators_) DestroyAcceleratorTable(accelerators_);
    if (backBrush_) DeleteObject(backBrush_);
}

bool Form::Load(const FormLayout& layout) {
    if (window_ || loading_ || !RegisterFormClass(&Form::Procedure)) return false;
    loading_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{loading_};

    DWORD exStyle = layout.ExStyle;
    if (!app_.TaskVisible()) exStyle |= WS_EX_TOOLWINDOW;
    // Never WS_VISIBLE here: a form appears only when it shows itself.
    CreateWindowExA(exStyle, kClassName, layout.Caption.c_str(), layout.Style & ~WS_VISIBLE,
                    layout.X, layout.Y, layout.Width, layout.Height, nullptr, nullptr, GetModuleHandleA(nullptr),
                    this);
    if (!window_) return false;
    BuildMenus();
    for (Control* control : controls_) control->Create(window_, Font::Default());
    Form_Load();
    if (window_) Form_Resize();  // the place of the controls follows the loaded size
    return window_ != nullptr;
}

void Form::EnsureLoaded() {
    if (!window_ && !loading_) Load();
}

void Form::Unload() {
    if (!window_) return;
    Form_Unload();
    if (window_) DestroyWindow(window_);
}

void Form::Show() {
    EnsureLoaded();
    // A form already shown keeps its place and the focus stays where it is:
    // a program that shows its window again (the editor's Stop does on every
    // Ctrl+0, pressed in any program) must not take another program's keys.
    if (window_ && !IsWindowVisible(window_)) ShowWindow(window_, SW_SHOW);
}

void Form::ShowInFront() {
    Show();
    if (!window_) return;
    // Asked for again while open, maybe minimised or behind another window:
    // otherwise the command would look dead.
    if (IsIconic(window_)) ShowWindow(window_, SW_RESTORE);
    BringWindowToTop(window_);
    SetForegroundWindow(window_);
}

void Form::Hide() {
    if (window_) ShowWindow(window_, SW_HIDE);
}

bool Form::Visible() const {
    return window_ && IsWindowVisible(window_);
}

std::string Form::Caption() const {
    if (!window_) return {};
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window_)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Form::SetCaption(const std::string& caption) {
    const_cast<Form*>(this)->EnsureLoaded();
    if (window_) SetWindowTextA(window_, caption.c_str());
}

void Form::SetBackColor(COLORREF color) {
    if (backBrush_) DeleteObject(backBrush_);
    backBrush_ = CreateSolidBrush(color);
    backColor_ = color;
    hasBackColor_ = true;
    if (window_) InvalidateRect(window_, nullptr, TRUE);
}

namespace {
RECT WindowRect(HWND window) {
    RECT r{};
    if (window) GetWindowRect(window, &r);
    return r;
}
}  // namespace

int Form::Left() const { return WindowRect(window_).left; }
int Form::Top() const { return WindowRect(window_).top; }
int Form::Width() const {
    const RECT r = WindowRect(window_);
    return r.right - r.left;
}
int Form::Height() const {
    const RECT r = WindowRect(window_);
    return r.bottom - r.top;
}

void Form::Move(int x, int y, int width, int height) {
    EnsureLoaded();
    if (window_) MoveWindow(window_, x, y, width, height, TRUE);
}

bool Form::Minimized() const {
    return window_ && IsIconic(window_);
}

bool Form::IsFormWindow(HWND window) {
    char name[sizeof kClassName + 1] = {};
    return GetClassNameA(window, name, sizeof name) > 0 && std::string_view(name) == kClassName;
}

Form* Form::FromWindow(HWND window) {
    if (!window || !IsFormWindow(window)) return nullptr;
    return reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void Form::ApplyTaskVisible(bool visible) {
    if (!window_) return;
    LONG_PTR ex = GetWindowLongPtrA(window_, GWL_EXSTYLE);
    ex = visible ? (ex & ~static_cast<LONG_PTR>(WS_EX_TOOLWINDOW)) : (ex | WS_EX_TOOLWINDOW);
    SetWindowLongPtrA(window_, GWL_EXSTYLE, ex);
}

unsigned Form::AddControl(Control& control) {
    controls_.push_back(&control);
    return nextCommandId_++;
}

void Form::RemoveControl(Control& control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
    if (defaultButton_ == &control) defaultButton_ = nullptr;
    if (cancelButton_ == &control) cancelButton_ = nullptr;
}

unsigned Form::AddMenuItem(MenuItem& item) {
    menuItems_.push_back(&item);
    return nextCommandId_++;
}

void Form::RemoveMenuItem(MenuItem& item) {
    menuItems_.erase(std::remove(menuItems_.begin(), menuItems_.end(), &item), menuItems_.end());
}

void Form::BuildMenus() {
    if (menuItems_.empty()) return;
    menu_ = CreateMenu();
    std::vector<ACCEL> keys;
    for (MenuItem* item : menuItems_) {
        if (!item->parent_) item->Append(menu_);
        if (item->shortcut_.Key != 0)
            keys.push_back(ACCEL{static_cast<BYTE>(FVIRTKEY | item->shortcut_.Modifiers), item->shortcut_.Key,
                                 static_cast<WORD>(item->id_)});
    }
    SetMenu(window_, menu_);
    if (accelerators_) DestroyAcceleratorTable(accelerators_);
    accelerators_ = keys.empty() ? nullptr : CreateAcceleratorTableA(keys.data(), static_cast<int>(keys.size()));
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
        self->focus_ = nullptr;
        self->menu_ = nullptr;  // destroyed with its window
        for (Control* control : self->controls_) control->Destroyed();
        for (MenuItem* item : self->menuItems_) item->parentMenu_ = item->popup_ = nullptr;
        if (self->accelerators_) DestroyAcceleratorTable(self->accelerators_);
        self->accelerators_ = nullptr;
    }
    return result;
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        DispatchCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_SIZE:
        if (!loading_) Form_Resize();
        return 0;
    case WM_LBUTTONUP:
        Form_Click();
        return 0;
    case WM_ACTIVATE:
        // In place of the default, which would leave the focus on the form itself.
        if (LOWORD(wParam) == WA_INACTIVE) RememberFocus();
        else if (!HIWORD(wParam) && !RestoreFocus()) ::SetFocus(window_);
        return 0;
    case WM_SETFOCUS:
        RestoreFocus();  // the form passes the focus on to its control
        return 0;
    case WM_CLOSE:
        if (!Form_QueryUnload()) Unload();
        return 0;
    case WM_ERASEBKGND:
        if (!hasBackColor_) break;
        {
            RECT r;
            GetClientRect(window_, &r);
            FillRect(reinterpret_cast<HDC>(wParam), &r, backBrush_);
        }
        return 1;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (!hasBackColor_) break;
        return ColorControl(reinterpret_cast<HDC>(wParam));
    case DM_GETDEFID:
        if (defaultButton_) return MAKELRESULT(defaultButton_->Id(), DC_HASDEFID);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

LRESULT Form::ColorControl(HDC dc) {
    SetBkColor(dc, backColor_);
    const int r = GetRValue(backColor_), g = GetGValue(backColor_), b = GetBValue(backColor_);
    SetTextColor(dc, r + g + b < 3 * 128 ? RGB(255, 255, 255) : RGB(0, 0, 0));
    return reinterpret_cast<LRESULT>(backBrush_);
}

void Form::DispatchCommand(unsigned id, unsigned code, HWND control) {
    if (!control) {  // a menu item or its shortcut
        for (MenuItem* item : menuItems_) {
            if (item->id_ == id) {
                if (item->enabled_) item->PerformClick();
                return;
            }
        }
        return;
    }
    for (Control* c : controls_) {
        if (c->id_ == id) {
            c->OnCommand(code);
            return;
        }
    }
}

}  // namespace ombrelt::forms
