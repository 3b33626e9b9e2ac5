#pragma once
// A form's menus: each item is a member of its form, declared in menu order
// after its parent; top-level items (no parent) form the menu bar. An item
// whose caption is "-" is a separator. Shortcuts work while the form is
// active (the message loops translate them).
#include "automation/win32/WinApi.h"

#include <functional>
#include <string>
#include <vector>

namespace ombrelt::forms {

class Form;

struct Shortcut {
    BYTE Modifiers = 0;  // FCONTROL, FSHIFT, FALT
    WORD Key = 0;        // virtual key; 0 = none
    const char* Text = "";

    static constexpr Shortcut Ctrl(char letter, const char* text) { return {FCONTROL, static_cast<WORD>(letter), text}; }
    static constexpr Shortcut Plain(WORD virtualKey, const char* text) { return {0, virtualKey, text}; }
};

class MenuItem {
public:
    MenuItem(Form& owner, MenuItem* parent, std::string caption, Shortcut shortcut = {}, bool checked = false);
    ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& Caption() const { return caption_; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    std::function<void()> Click;
    void PerformClick() { if (Click) Click(); }

    unsigned CommandId() const { return id_; }

private:
    friend class Form;
    void Append(HMENU parentMenu);
    void Update();

    Form& owner_;
    MenuItem* parent_;
    std::string caption_;
    Shortcut shortcut_;
    bool checked_;
    bool enabled_ = true;
    unsigned id_;
    HMENU parentMenu_ = nullptr;  // the menu this item sits in, once built
    HMENU popup_ = nullptr;       // its own submenu when it has children
    std::vector<MenuItem*> children_;
};

}  // namespace ombrelt::forms
