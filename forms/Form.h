#pragma once
// The base of every form: one window procedure for all of them binds the C++
// object to its window on WM_NCCREATE and turns messages into calls of named
// handlers, so forms never unpack WPARAM or LPARAM themselves.
//
// A form declares its controls, menu items and timers as members; controls
// and menu items register with the form and come to life when it loads.
// Touching a control loads its form first, so the first use of any control
// runs Form_Load, as a form's first reference does in the forms runtime.
//
// A form is neither copyable nor movable: its window and controls hold its
// address.
#include "automation/win32/WinApi.h"

#include <string>
#include <vector>

namespace ombrelt::forms {

class Application;
class CommandButton;
class Control;
class MenuItem;

struct FormLayout {
    std::string Caption;
    DWORD Style = WS_OVERLAPPEDWINDOW;
    DWORD ExStyle = 0;
    int X = CW_USEDEFAULT, Y = CW_USEDEFAULT, Width = CW_USEDEFAULT, Height = CW_USEDEFAULT;

    // A fixed dialog (caption and close box, no resizing) in the middle of the screen.
    static FormLayout FixedDialog(std::string caption, int width, int height);
};

// Window sizes in the forms runtime's unit: 15 twips to a pixel on a standard display.
constexpr int TwipsPerPixel = 15;
constexpr int Twips(int twips) { return twips / TwipsPerPixel; }

class Form {
public:
    explicit Form(Application& app);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Creates the window hidden with its menu and controls, then runs
    // Form_Load. False when the window could not
    // be created. Load() uses the form's own Layout().
    bool Load(const FormLayout& layout);
    bool Load() { return Load(Layout()); }
    bool Loaded() const { return window_ != nullptr; }
    // Loads the form unless it is loaded (or loading) already.
    void EnsureLoaded();
    // Runs Form_Unload and destroys the window; the object stays and may be
    // loaded again (its controls come back with their design values).
    void Unload();

    HWND Handle() const { return window_; }
    Application& App() const { return app_; }
    // Loads the form first when needed. A form already shown, minimised or
    // not, stays where it is and the focus does not move.
    void Show();
    // What a person's request for the form does: shown, restored if
    // minimised, in front of the other windows and with the focus.
    void ShowInFront();
    void Hide();
    bool Visible() const;

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    // Background of the form and of the labels, options and check boxes on it.
    void SetBackColor(COLORREF color);

    // Outer size and place in pixels.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void Move(int x, int y, int width, int height);
    bool Minimized() const;

    // The button that Enter presses while the form is active.
    void SetDefaultButton(Control* button) { defaultButton_ = button; }
    // The button that Escape presses while the form is active.
    void SetCancelButton(CommandButton* button) { cancelButton_ = button; }

    // True for windows made by a Form of this program.
    static bool IsFormWindow(HWND window);
    // The message loops call this for every message before dispatching it:
    // menu shortcuts, Tab and Shift+Tab between a form's controls, Escape and
    // Enter. True when the message was handled.
    static bool PreTranslate(MSG& message);

protected:
    virtual FormLayout Layout() const { return {}; }
    virtual void Form_Load() {}
    virtual void Form_Resize() {}
    virtual void Form_Click() {}
    // Closing by the close box or Alt+F4; true cancels the close.
    virtual bool Form_QueryUnload() { return false; }
    virtual void Form_Unload() {}

private:
    friend class Application;
    friend class Control;
    friend class MenuItem;
    void ApplyTaskVisible(bool visible);
    unsigned AddControl(Control& control);
    void RemoveControl(Control& control);
    unsigned AddMenuItem(MenuItem& item);
    void RemoveMenuItem(MenuItem& item);

    void BuildMenus();
    static Form* FromWindow(HWND window);
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void DispatchCommand(unsigned id, unsigned code, HWND control);
    LRESULT ColorControl(HDC dc);

    // Focus between the form's controls (FormFocus.cpp). The tab order is
    // the order the controls were made in.
    bool HandleKey(const MSG& message);
    bool MoveFocus(bool backwards);
    Control* ControlOf(HWND window) const;
    void RememberFocus();
    bool RestoreFocus();  // false when no control can take the focus

    Application& app_;
    HWND window_ = nullptr;
    HMENU menu_ = nullptr;
    HACCEL accelerators_ = nullptr;
    HBRUSH backBrush_ = nullptr;
    COLORREF backColor_ = 0;
    bool hasBackColor_ = false;
    bool loading_ = false;
    Control* defaultButton_ = nullptr;
    CommandButton* cancelButton_ = nullptr;
    HWND focus_ = nullptr;  // the control that had the focus when the form was last deactivated
    std::vector<Control*> controls_;
    std::vector<MenuItem*> menuItems_;
    unsigned nextCommandId_ = 100;
};

}  // namespace ombrelt::forms
