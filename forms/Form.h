#pragma once
// The base of every form: one window procedure for all of them binds the C++
// object to its window on WM_NCCREATE and turns messages into calls of named
// handlers, so forms never unpack WPARAM or LPARAM themselves.
//
// A form is neither copyable nor movable: its window holds its address.
#include "automation/win32/WinApi.h"

#include <string>

namespace ombrelt::forms {

class Application;

struct FormLayout {
    std::string Caption;
    DWORD Style = WS_OVERLAPPEDWINDOW;
    DWORD ExStyle = 0;
    int X = CW_USEDEFAULT, Y = CW_USEDEFAULT, Width = CW_USEDEFAULT, Height = CW_USEDEFAULT;
};

class Form {
public:
    explicit Form(Application& app);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Creates the window hidden, then runs Form_Load. False when the window
    // could not be created.
    bool Load(const FormLayout& layout);

    HWND Handle() const { return window_; }
    Application& App() const { return app_; }
    void Show();
    void Hide();

protected:
    virtual void Form_Load() {}

private:
    friend class Application;
    void ApplyTaskVisible(bool visible);

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    Application& app_;
    HWND window_ = nullptr;
};

}  // namespace ombrelt::forms
