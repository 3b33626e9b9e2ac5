#include "forms/Menu.h"

#include "forms/Form.h"

namespace ombrelt::forms {

MenuItem::MenuItem(Form& owner, MenuItem* parent, std::string caption, Shortcut shortcut, bool checked)
    : owner_(owner), parent_(parent), caption_(std::move(caption)), shortcut_(shortcut), checked_(checked),
      id_(owner.AddMenuItem(*this)) {
    if (parent_) parent_->children_.push_back(this);
}

MenuItem::~MenuItem() {
    owner_.RemoveMenuItem(*this);
}

void MenuItem::Append(HMENU parentMenu) {
    parentMenu_ = parentMenu;
    if (caption_ == "-") {
        AppendMenuA(parentMenu, MF_SEPARATOR, id_, nullptr);
        return;
    }
    std::string text = caption_;
    if (shortcut_.Text && *shortcut_.Text) text += std::string("\t") + shortcut_.Text;
    if (children_.empty()) {
        AppendMenuA(parentMenu, MF_STRING, id_, text.c_str());
    } else {
        popup_ = CreatePopupMenu();
        for (MenuItem* child : children_) child->Append(popup_);
        AppendMenuA(parentMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup_), text.c_str());
    }
    Update();
}

void MenuItem::Update() {
    if (!parentMenu_) return;
    if (children_.empty()) CheckMenuItem(parentMenu_, id_, MF_BYCOMMAND | (checked_ ? MF_CHECKED : MF_UNCHECKED));
    if (popup_) {
        // A popup is addressed by position: find it in its parent menu.
        const int count = GetMenuItemCount(parentMenu_);
        for (int i = 0; i < count; ++i)
            if (GetSubMenu(parentMenu_, i) == popup_)
                EnableMenuItem(parentMenu_, static_cast<UINT>(i), MF_BYPOSITION | (enabled_ ? MF_ENABLED : MF_GRAYED));
    } else {
        EnableMenuItem(parentMenu_, id_, MF_BYCOMMAND | (enabled_ ? MF_ENABLED : MF_GRAYED));
    }
    if (!parent_ && owner_.Handle()) DrawMenuBar(owner_.Handle());
}

void MenuItem::SetChecked(bool checked) {
    checked_ = checked;
    Update();
}

void MenuItem::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Update();
}

}  // namespace ombrelt::forms
