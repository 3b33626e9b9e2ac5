#pragma once
// The base of every form: one window procedure for all of them binds the C++
// object to its window on WM_NCCREATE and turns messages into calls of named
// handlers, so forms never unpack WPARAM or LPARAM themselves.
//
// A form is neither copyable nor movable: its window and its timers hold its
// address.
#include <windows.h>

#include <string>
#include <vector>

namespace ombrelt::forms {

class Application;
class Timer;

struct FormLayout {
    std::string Caption;
    DWORD Style = WS_OVERLAPPEDWINDOW;
    DWORD ExStyle = 0;
    int X = CW_USEDEFAULT, Y = CW_USEDEFAULT, Width = CW_USEDEFAULT, Height = CW_USEDEFAULT;
};

class Form {
public:
    explicit Form(Application& app) : app_(app) {}
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Creates the window hidden, starts the timers that are enabled, then
    // runs Form_Load. False when the window could not be created.
    bool Load(const FormLayout& layout);

    HWND Handle() const { return window_; }
    Application& App() const { return app_; }
    void Show();
    void Hide();

    // True for windows made by a Form of this program.
    static bool IsFormWindow(HWND window);

protected:
    virtual void Form_Load() {}

private:
    friend class Timer;
    unsigned AddTimer(Timer& timer);
    void RemoveTimer(Timer& timer);

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void DispatchTimer(UINT_PTR id);

    Application& app_;
    HWND window_ = nullptr;
    std::vector<Timer*> timers_;
    unsigned nextTimerId_ = 1;
};

}  // namespace ombrelt::forms
