#pragma once
// The standard controls of a form: each a typed wrapper over its window's
// messages, named and used the way forms code names them (txtLog.SelStart(),
// chkMM.Value(), cmdOK.Click). A control is declared as a member of its form
// with its design values; its window is made when the form loads.
//
// Positions and sizes are in pixels, relative to the form's client area.
#include "automation/win32/WinApi.h"

#include <functional>
#include <string>

#include "forms/Font.h"

namespace ombrelt::forms {

class Form;
class Picture;

struct ControlLayout {
    ControlLayout() = default;
    ControlLayout(int x, int y, int width, int height, std::string caption = "", bool visible = true)
        : X(x), Y(y), Width(width), Height(height), Caption(std::move(caption)), Visible(visible) {}
    int X = 0, Y = 0, Width = 0, Height = 0;
    std::string Caption;
    bool Visible = true;
};

class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    // The control's window; loads the form when it is not loaded yet.
    HWND Handle() const;
    Form& Owner() const { return owner_; }

    std::string Text() const;
    void SetText(const std::string& text);
    bool Visible() const;
    void SetVisible(bool visible);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    void SetFocus();
    void SetFont(const Font& font);

    int Left() const { return layout_.X; }
    int Top() const { return layout_.Y; }
    int Width() const { return layout_.Width; }
    int Height() const { return layout_.Height; }
    void Move(int x, int y, int width, int height);

protected:
    Control(Form& owner, const char* windowClass, DWORD style, ControlLayout layout, DWORD exStyle = 0);
    // A notification (BN_CLICKED, EN_CHANGE, STN_CLICKED...) from the window.
    virtual void OnCommand(unsigned code) {}
    // The window was just made.
    virtual void OnCreated() {}
    unsigned Id() const { return id_; }
    HWND Window() const { return window_; }  // without loading the form
    // Tab and Shift+Tab stop here: made as a tab stop, shown and enabled.
    virtual bool TabStop() const;
    // A design-time style bit; it takes effect when the window is made.
    void SetDesignStyle(DWORD bit, bool on) { style_ = on ? (style_ | bit) : (style_ & ~bit); }

private:
    friend class Form;
    void Create(HWND parent, HFONT font);
    void Destroyed() { window_ = nullptr; }

    Form& owner_;
    const char* windowClass_;
    DWORD style_;
    DWORD exStyle_;
    ControlLayout layout_;  // design values, and the current place
    const Font* font_ = nullptr;
    unsigned id_;
    HWND window_ = nullptr;
};

// Text box: one line, or multi-line with scroll bars. Selection positions
// count characters from 0; a line break is the two characters CR LF.
class TextBox : public Control {
public:
    enum class Lines { Single, Multi };
    TextBox(Form& owner, ControlLayout layout, Lines lines = Lines::Single, bool scrollBars = false);

    int TextLength() const;
    int SelStart() const;
    void SetSelStart(int start);  // puts the caret there; nothing selected
    int SelLength() const;
    void SetSelLength(int length);  // from SelStart
    std::string SelText() const;
    void SetSelText(const std::string& text);  // replaces the selection
    // Whether the selection disappears while the box has no focus (true at
    // design). Set before the form loads.
    void SetHideSelection(bool hide) { SetDesignStyle(ES_NOHIDESEL, !hide); }
    // A multi-line box takes Tab as a character when no other control can take the focus.
    bool MultiLine() const;

    std::function<void()> Change;

protected:
    void OnCommand(unsigned code) override;
    void OnCreated() override;

private:
    void Selection(DWORD& start, DWORD& end) const;
};

class Label : public Control {
public:
    enum class Align { Left, Center, Right };
    Label(Form& owner, ControlLayout layout, Align align = Align::Left);
    std::string Caption() const { return Text(); }
    void SetCaption(const std::string& caption) { SetText(caption); }
};

class CommandButton : public Control {
public:
    CommandButton(Form& owner, ControlLayout layout);
    std::function<void()> Click;
    void PerformClick() { if (Click) Click(); }

protected:
    void OnCommand(unsigned code) override;
};

// Value 0 (unchecked) or 1 (checked).
class CheckBox : public Control {
public:
    CheckBox(Form& owner, ControlLayout layout);
    int Value() const;
    void SetValue(int value);
    std::function<void()> Click;

protected:
    void OnCommand(unsigned code) override;
};

// Option buttons that follow each other on a form form one group; the first
// of a group is made with startsGroup (a frame's first option, say).
class OptionButton : public Control {
public:
    OptionButton(Form& owner, ControlLayout layout, bool startsGroup = false, bool selected = false);
    bool Value() const;
    void SetValue(bool selected);  // selecting one clears the others of its group
    std::function<void()> Click;

protected:
    void OnCommand(unsigned code) override;
    void OnCreated() override;
    // A group of options is one stop: its selected option, or its first when none is.
    bool TabStop() const override;

private:
    bool designValue_;
};

// A frame: a captioned box drawn around the controls placed over it.
class Frame : public Control {
public:
    Frame(Form& owner, ControlLayout layout);
};

// A picture box or image: shows a picture and reports clicks.
class PictureBox : public Control {
public:
    PictureBox(Form& owner, ControlLayout layout);
    // The picture stays owned by the caller and must outlive the control's use of it.
    void SetPicture(const Picture& picture);
    std::function<void()> Click;

protected:
    void OnCommand(unsigned code) override;
};
using Image = PictureBox;

}  // namespace ombrelt::forms
