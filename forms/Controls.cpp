#include "forms/Controls.h"

#include <vector>

#include "forms/Form.h"

namespace ombrelt::forms {

Control::Control(Form& owner, const char* windowClass, DWORD style, ControlLayout layout, DWORD exStyle)
    : owner_(owner), windowClass_(windowClass), style_(style), exStyle_(exStyle), layout_(std::move(layout)),
      id_(owner.AddControl(*this)) {}

Control::~Control() {
    owner_.RemoveControl(*this);
    if (window_) DestroyWindow(window_);
}

void Control::Create(HWND parent, HFONT font) {
    const DWORD style = WS_CHILD | style_ | (layout_.Visible ? WS_VISIBLE : 0);
    window_ = CreateWindowExA(exStyle_, windowClass_, layout_.Caption.c_str(), style, layout_.X, layout_.Y,
                              layout_.Width, layout_.Height, parent,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id_)), GetModuleHandleA(nullptr),
                              nullptr);
    if (!window_) return;
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_ ? font_->Handle() : font), FALSE);
    OnCreated();
}

HWND Control::Handle() const {
    if (!window_) owner_.EnsureLoaded();
    return window_;
}

std::string Control::Text() const {
    HWND w = Handle();
    if (!w) return {};
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(w)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(w, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Control::SetText(const std::string& text) {
    if (HWND w = Handle()) SetWindowTextA(w, text.c_str());
}

bool Control::Visible() const {
    HWND w = Handle();
    return w && (GetWindowLongPtrA(w, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Control::SetVisible(bool visible) {
    layout_.Visible = visible;
    if (HWND w = Handle()) ShowWindow(w, visible ? SW_SHOWNA : SW_HIDE);
}

bool Control::Enabled() const {
    HWND w = Handle();
    return w && IsWindowEnabled(w);
}

void Control::SetEnabled(bool enabled) {
    if (HWND w = Handle()) EnableWindow(w, enabled);
}

void Control::SetFocus() {
    if (HWND w = Handle()) ::SetFocus(w);
}

bool Control::TabStop() const {
    // The control's own visibility: the form may be on its way to the screen.
    return window_ && (GetWindowLongPtrA(window_, GWL_STYLE) & (WS_TABSTOP | WS_VISIBLE | WS_DISABLED)) ==
                          (WS_TABSTOP | WS_VISIBLE);
}

void Control::SetFont(const Font& font) {
    font_ = &font;
    if (window_) SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font.Handle()), TRUE);
}

void Control::Move(int x, int y, int width, int height) {
    layout_.X = x;
    layout_.Y = y;
    layout_.Width = width;
    layout_.Height = height;
    if (HWND w = Handle()) MoveWindow(w, x, y, width, height, TRUE);
}

// TextBox

namespace {
DWORD TextBoxStyle(TextBox::Lines lines, bool scrollBars) {
    DWORD style = WS_TABSTOP | ES_LEFT;
    if (lines == TextBox::Lines::Multi) style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
    else style |= ES_AUTOHSCROLL;
    if (scrollBars) style |= WS_HSCROLL | WS_VSCROLL | ES_AUTOHSCROLL;
    return style;
}
}  // namespace

TextBox::TextBox(Form& owner, ControlLayout layout, Lines lines, bool scrollBars)
    : Control(owner, "EDIT", TextBoxStyle(lines, scrollBars), std::move(layout), WS_EX_CLIENTEDGE) {}

void TextBox::OnCreated() {
    SendMessageA(Window(), EM_SETLIMITTEXT, 0, 0);  // no limit beyond memory
}

void TextBox::OnCommand(unsigned code) {
    if (code == EN_CHANGE && Change) Change();
}

bool TextBox::MultiLine() const {
    HWND w = Window();
    return w && (GetWindowLongPtrA(w, GWL_STYLE) & ES_MULTILINE) != 0;
}

int TextBox::TextLength() const {
    HWND w = Handle();
    return w ? GetWindowTextLengthA(w) : 0;
}

void TextBox::Selection(DWORD& start, DWORD& end) const {
    start = end = 0;
    if (HWND w = Handle()) SendMessageA(w, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
}

int TextBox::SelStart() const {
    DWORD start, end;
    Selection(start, end);
    return static_cast<int>(start);
}

void TextBox::SetSelStart(int start) {
    if (HWND w = Handle()) {
        const int length = GetWindowTextLengthA(w);
        start = start < 0 ? 0 : (start > length ? length : start);
        SendMessageA(w, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(start));
        SendMessageA(w, EM_SCROLLCARET, 0, 0);
    }
}

int TextBox::SelLength() const {
    DWORD start, end;
    Selection(start, end);
    return static_cast<int>(end - start);
}

void TextBox::SetSelLength(int length) {
    if (HWND w = Handle()) {
        const int start = SelStart();
        const int textLength = GetWindowTextLengthA(w);
        int end = start + (length < 0 ? 0 : length);
        if (end > textLength) end = textLength;
        SendMessageA(w, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
    }
}

std::string TextBox::SelText() const {
    DWORD start, end;
    Selection(start, end);
    if (end <= start) return {};
    const std::string text = Text();
    if (start >= text.size()) return {};
    return text.substr(start, end - start);
}

void TextBox::SetSelText(const std::string& text) {
    if (HWND w = Handle()) SendMessageA(w, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

// Label

namespace {
DWORD LabelStyle(Label::Align align) {
    switch (align) {
    case Label::Align::Center:
        return SS_CENTER | SS_NOPREFIX;
    case Label::Align::Right:
        return SS_RIGHT | SS_NOPREFIX;
    case Label::Align::Left:
        break;
    }
    return SS_LEFT | SS_NOPREFIX;
}
}  // namespace

Label::Label(Form& owner, ControlLayout layout, Align align)
    : Control(owner, "STATIC", LabelStyle(align), std::move(layout)) {}

// Buttons

// A caption wider than the button wraps at its spaces; the lines stay
// centred both ways, and a caption that fits keeps its one line.
CommandButton::CommandButton(Form& owner, ControlLayout layout)
    : Control(owner, "BUTTON", WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE, std::move(layout)) {}

void CommandButton::OnCommand(unsigned code) {
    if (code == BN_CLICKED) PerformClick();
}

CheckBox::CheckBox(Form& owner, ControlLayout layout)
    : Control(owner, "BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, std::move(layout)) {}

int CheckBox::Value() const {
    HWND w = Handle();
    return w && SendMessageA(w, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void CheckBox::SetValue(int value) {
    if (HWND w = Handle()) SendMessageA(w, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckBox::OnCommand(unsigned code) {
    if (code == BN_CLICKED && Click) Click();
}

OptionButton::OptionButton(Form& owner, ControlLayout layout, bool startsGroup, bool selected)
    : Control(owner, "BUTTON", WS_TABSTOP | BS_AUTORADIOBUTTON | (startsGroup ? WS_GROUP : 0), std::move(layout)),
      designValue_(selected) {}

void OptionButton::OnCreated() {
    if (designValue_) SendMessageA(Window(), BM_SETCHECK, BST_CHECKED, 0);
}

bool OptionButton::Value() const {
    HWND w = Handle();
    return w && SendMessageA(w, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

namespace {
bool IsOption(HWND window) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    return lstrcmpiA(name, "BUTTON") == 0 && (GetWindowLongPtrA(window, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}
bool StartsGroup(HWND window) { return (GetWindowLongPtrA(window, GWL_STYLE) & WS_GROUP) != 0; }
bool Selected(HWND option) { return SendMessageA(option, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// The options of the group that option belongs to, in order.
std::vector<HWND> GroupOf(HWND option) {
    HWND first = option;
    while (!StartsGroup(first)) {
        HWND previous = GetWindow(first, GW_HWNDPREV);
        if (!previous) break;
        first = previous;
    }
    std::vector<HWND> group;
    for (HWND other = first; other; other = GetWindow(other, GW_HWNDNEXT)) {
        if (other != first && StartsGroup(other)) break;
        if (IsOption(other)) group.push_back(other);
    }
    return group;
}
}  // namespace

void OptionButton::SetValue(bool selected) {
    HWND w = Handle();
    if (!w) return;
    if (selected) {
        // Clear the rest of its group, as a click on this option would.
        for (HWND other : GroupOf(w))
            if (other != w) SendMessageA(other, BM_SETCHECK, BST_UNCHECKED, 0);
    }
    SendMessageA(w, BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool OptionButton::TabStop() const {
    HWND w = Window();
    if (!Control::TabStop()) return false;
    if (Selected(w)) return true;
    const std::vector<HWND> group = GroupOf(w);
    for (HWND other : group)
        if (Selected(other)) return false;
    return group.front() == w;
}

void OptionButton::OnCommand(unsigned code) {
    if (code == BN_CLICKED && Click) Click();
}

// A group box paints only its edge and caption. Transparent, it is not cut
// out of the form's painting, so the form's background fills its inside.
Frame::Frame(Form& owner, ControlLayout layout)
    : Control(owner, "BUTTON", BS_GROUPBOX, std::move(layout), WS_EX_TRANSPARENT) {}

PictureBox::PictureBox(Form& owner, ControlLayout layout)
    : Control(owner, "STATIC", SS_BITMAP | SS_NOTIFY, std::move(layout)) {}

void PictureBox::SetPicture(const Picture& picture) {
    if (HWND w = Handle()) SendMessageA(w, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture.Handle()));
}

void PictureBox::OnCommand(unsigned code) {
    if (code == STN_CLICKED && Click) Click();
}

}  // namespace ombrelt::forms
