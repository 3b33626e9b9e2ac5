// The forms layer's controls, menus, loading and unloading, and the clipboard,
// on a real form under Wine.
#include "automation/win32/WinApi.h"

#include <gtest/gtest.h>

#include <functional>

#include "HeldKey.h"
#include "forms/Application.h"
#include "forms/Controls.h"
#include "forms/Dialogs.h"
#include "forms/Form.h"
#include "forms/Menu.h"
#include "forms/MessageLoop.h"
#include "support/DialogAnswerer.h"

using namespace ombrelt::forms;
using ombrelt::testing::DialogAnswerer;
using ombrelt::testing::PressUntilTaken;
using ombrelt::testing::play::Above;
using ombrelt::testing::play::PumpUntil;
using ombrelt::testing::play::Settled;

namespace {

struct TestForm : Form {
    explicit TestForm(Application& app) : Form(app) {
        cmdGo.Click = [this] { ++goClicks; };
        chkA.Click = [this] { ++checkClicks; };
        optB.Click = [this] { ++optionClicks; };
        mnuItem.Click = [this] { ++menuClicks; };
        mnuOff.Click = [this] { ++menuClicks; };
    }

    TextBox txt{*this, {4, 4, 200, 100}, TextBox::Lines::Multi, true};
    Label lbl{*this, {4, 110, 100, 16, "label"}};
    CommandButton cmdGo{*this, {4, 130, 60, 24, "Go"}};
    CheckBox chkA{*this, {4, 160, 100, 20, "A"}};
    OptionButton optA{*this, {4, 184, 100, 20, "A"}, true, true};
    OptionButton optB{*this, {4, 204, 100, 20, "B"}};
    OptionButton optC{*this, {120, 184, 100, 20, "C"}, true, true};  // a second group
    MenuItem mnuTop{*this, nullptr, "&Top"};
    MenuItem mnuItem{*this, &mnuTop, "&Item", Shortcut::Ctrl('K', "Ctrl+K"), true};
    MenuItem mnuSep{*this, &mnuTop, "-"};
    MenuItem mnuOff{*this, &mnuTop, "&Off"};

    int loads = 0, unloads = 0, goClicks = 0, checkClicks = 0, optionClicks = 0, menuClicks = 0;
    bool cancelClose = false;

protected:
    FormLayout Layout() const override {
        FormLayout layout;
        layout.Caption = "forms controls test";
        layout.X = 10;
        layout.Y = 10;
        layout.Width = 320;
        layout.Height = 300;
        return layout;
    }
    void Form_Load() override { ++loads; }
    void Form_Unload() override { ++unloads; }
    bool Form_QueryUnload() override { return cancelClose; }
};

// The menu item of a window's menu whose text starts with caption.
UINT FindMenuCommand(HMENU menu, const std::string& caption) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        if (HMENU sub = GetSubMenu(menu, i)) {
            if (UINT id = FindMenuCommand(sub, caption)) return id;
            continue;
        }
        char text[128] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        if (std::string(text).rfind(caption, 0) == 0) return GetMenuItemID(menu, i);
    }
    return 0;
}

TEST(FormsControls, TouchingAControlLoadsTheFormOnce) {
    Application app;
    TestForm form(app);
    EXPECT_FALSE(form.Loaded());
    EXPECT_EQ(form.lbl.Text(), "label");
    EXPECT_TRUE(form.Loaded());
    EXPECT_EQ(form.loads, 1);
    form.txt.SetText("x");
    form.Show();
    EXPECT_EQ(form.loads, 1);
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(form.Caption(), "forms controls test");
    EXPECT_TRUE(IsChild(form.Handle(), form.txt.Handle()));
}

TEST(FormsControls, TextBoxSelectionCountsCrLfAsTwoCharacters) {
    Application app;
    TestForm form(app);
    form.txt.SetText("ab\r\ncd");
    EXPECT_EQ(form.txt.TextLength(), 6);
    form.txt.SetSelStart(2);
    EXPECT_EQ(form.txt.SelStart(), 2);
    EXPECT_EQ(form.txt.SelLength(), 0);
    form.txt.SetSelLength(3);
    EXPECT_EQ(form.txt.SelText(), "\r\nc");
    form.txt.SetSelText("-");
    EXPECT_EQ(form.txt.Text(), "ab-d");
    EXPECT_EQ(form.txt.SelStart(), 3);  // the caret after the inserted text

    // Out-of-range positions are clipped, not errors.
    form.txt.SetSelStart(99);
    EXPECT_EQ(form.txt.SelStart(), 4);
    form.txt.SetSelStart(1);
    form.txt.SetSelLength(99);
    EXPECT_EQ(form.txt.SelText(), "b-d");

    // No 32K limit on the text.
    const std::string big(100000, 'x');
    form.txt.SetText(big);
    EXPECT_EQ(form.txt.TextLength(), 100000);
    form.txt.SetSelStart(100000);
    form.txt.SetSelText("y");
    EXPECT_EQ(form.txt.TextLength(), 100001);
}

TEST(FormsControls, ButtonsChecksAndOptionGroups) {
    Application app;
    TestForm form(app);
    SendMessageA(form.cmdGo.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form.goClicks, 1);

    EXPECT_EQ(form.chkA.Value(), 0);
    SendMessageA(form.chkA.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form.chkA.Value(), 1);
    EXPECT_EQ(form.checkClicks, 1);
    form.chkA.SetValue(0);
    EXPECT_EQ(form.chkA.Value(), 0);
    EXPECT_EQ(form.checkClicks, 1);  // setting the value is no click

    // Design values: A and C selected, each in its own group.
    EXPECT_TRUE(form.optA.Value());
    EXPECT_FALSE(form.optB.Value());
    EXPECT_TRUE(form.optC.Value());
    form.optB.SetValue(true);
    EXPECT_FALSE(form.optA.Value());
    EXPECT_TRUE(form.optB.Value());
    EXPECT_TRUE(form.optC.Value());  // another group is untouched
    SendMessageA(form.optA.Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(form.optA.Value());
    EXPECT_FALSE(form.optB.Value());
    EXPECT_EQ(form.optionClicks, 0);  // B's handler; A was clicked
}

TEST(FormsControls, MenusShowCaptionsShortcutsAndChecks) {
    Application app;
    TestForm form(app);
    form.EnsureLoaded();
    HMENU bar = GetMenu(form.Handle());
    ASSERT_NE(bar, nullptr);
    const UINT item = FindMenuCommand(bar, "&Item");
    ASSERT_NE(item, 0u);
    char text[64] = {};
    GetMenuStringA(bar, item, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "&Item\tCtrl+K");
    EXPECT_TRUE(GetMenuState(bar, item, MF_BYCOMMAND) & MF_CHECKED);
    form.mnuItem.SetChecked(false);
    EXPECT_FALSE(GetMenuState(bar, item, MF_BYCOMMAND) & MF_CHECKED);

    SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(item, 0), 0);
    EXPECT_EQ(form.menuClicks, 1);
    // A disabled item is grey and does nothing.
    form.mnuOff.SetEnabled(false);
    const UINT off = FindMenuCommand(bar, "&Off");
    EXPECT_TRUE(GetMenuState(bar, off, MF_BYCOMMAND) & MF_GRAYED);
    SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(off, 0), 0);
    EXPECT_EQ(form.menuClicks, 1);
}

TEST(FormsControls, ShortcutKeysReachTheMenuItemThroughTheLoop) {
    Application app;
    TestForm form(app);
    form.Show();
    SetForegroundWindow(form.Handle());
    form.txt.SetFocus();
    DoEvents();
    EXPECT_TRUE(PressUntilTaken({.Key = 'K', .Modifier = VK_CONTROL, .Taken = [&] { return form.menuClicks == 1; }}));
    EXPECT_EQ(form.txt.Text(), "");  // the key went to the menu, not into the text
}

// A small dialog: a text box, an option group, OK and Cancel.
struct TestDialog : Form {
    explicit TestDialog(Application& app) : Form(app) {
        cmdCancel.Click = [this] { ++cancelClicks; };
        SetCancelButton(&cmdCancel);
    }
    Label lbl{*this, {4, 4, 60, 16, "Name:"}};
    TextBox txtName{*this, {70, 4, 120, 20}};
    OptionButton optA{*this, {4, 30, 60, 20, "A"}, true};
    OptionButton optB{*this, {70, 30, 60, 20, "B"}, false, true};
    CommandButton cmdOK{*this, {4, 60, 60, 24, "OK"}};
    CommandButton cmdCancel{*this, {70, 60, 60, 24, "Cancel"}};
    int cancelClicks = 0;

protected:
    FormLayout Layout() const override { return FormLayout::FixedDialog("focus test", 220, 130); }
};

TEST(FormsControls, FocusStartsOnTheFirstControlAndTabWalksTheControls) {
    Application app;
    TestDialog dialog(app);
    const auto focusOn = [](const Control& control) { return [&control] { return GetFocus() == control.Handle(); }; };
    dialog.Show();
    SetForegroundWindow(dialog.Handle());
    EXPECT_TRUE(PumpUntil(focusOn(dialog.txtName)));

    // An option group is one stop: its selected option.
    EXPECT_TRUE(PressUntilTaken({.Key = VK_TAB, .Taken = focusOn(dialog.optB)}));
    EXPECT_TRUE(PressUntilTaken({.Key = VK_TAB, .Taken = focusOn(dialog.cmdOK)}));
    EXPECT_TRUE(PressUntilTaken({.Key = VK_TAB, .Modifier = VK_SHIFT, .Taken = focusOn(dialog.optB)}));

    EXPECT_TRUE(PressUntilTaken({.Key = VK_ESCAPE, .Taken = [&] { return dialog.cancelClicks == 1; }}));
}

// A form whose only stop is a multi-line text box, like an editor window.
struct TestEditor : Form {
    using Form::Form;
    TextBox txt{*this, {4, 4, 200, 100}, TextBox::Lines::Multi, true};
    TextBox txtHidden{*this, {0, 0, 10, 10, "", false}};
    MenuItem mnuTop{*this, nullptr, "&Top"};
};

TEST(FormsControls, ActivationGivesTheFocusBackAndALoneTextBoxTakesTab) {
    Application app;
    TestDialog dialog(app);
    TestEditor editor(app);
    dialog.Show();
    SetForegroundWindow(dialog.Handle());
    dialog.cmdOK.SetFocus();
    editor.Show();
    SetForegroundWindow(editor.Handle());
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == editor.txt.Handle(); }));
    EXPECT_TRUE(PressUntilTaken({.Key = VK_TAB, .Taken = [&] { return editor.txt.Text() == "\t"; }}));

    // Asked for again while behind the editor, minimised: restored, in
    // front, with its focus back.
    ShowWindow(dialog.Handle(), SW_MINIMIZE);
    dialog.ShowInFront();
    PumpUntil([&] {
        return !dialog.Minimized() && GetForegroundWindow() == dialog.Handle() &&
               GetFocus() == dialog.cmdOK.Handle() && Above(dialog.Handle(), editor.Handle());
    });
    EXPECT_FALSE(dialog.Minimized());
    EXPECT_EQ(GetForegroundWindow(), dialog.Handle());
    EXPECT_EQ(GetFocus(), dialog.cmdOK.Handle());
    EXPECT_TRUE(Above(dialog.Handle(), editor.Handle()));
}

// Wine raises a window in its own z-order when X reports it exposed, also
// above a message box that it owns: X raising the owner (as a late
// exposure does) leaves the box above its owner all the same.
TEST(FormsControls, AMessageBoxStaysAboveTheFormThatOwnsIt) {
    Application app;
    TestForm form(app);
    form.Show();
    if (!ombrelt::testing::keyinput::XWindowOf(form.Handle())) GTEST_SKIP() << "no X window to raise";
    bool raisedInX = false, above = false;
    DialogAnswerer answers;
    answers.Press(IDOK, [&](HWND box) {
        RECT r{};  // over the form, so that raising the form exposes it
        GetWindowRect(form.Handle(), &r);
        SetWindowPos(box, nullptr, r.left + 10, r.top + 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        raisedInX = ombrelt::testing::keyinput::RunXdotool(
            "windowraise " + std::to_string(ombrelt::testing::keyinput::XWindowOf(form.Handle())));
        // The window thread goes on in the box's loop meanwhile.
        above = Settled([&] { return Above(box, form.Handle()); }, false);
    });
    MsgBox(form.Handle(), "above");
    EXPECT_TRUE(raisedInX);
    EXPECT_TRUE(above);
}

TEST(FormsControls, CloseAsksQueryUnloadAndUnloadingRestoresDesignValues) {
    Application app;
    TestForm form(app);
    form.Show();
    form.txt.SetText("typed");
    form.cancelClose = true;
    SendMessageA(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(form.Loaded());
    EXPECT_EQ(form.unloads, 0);

    form.cancelClose = false;
    SendMessageA(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(form.Loaded());
    EXPECT_EQ(form.unloads, 1);

    // Loaded again: Form_Load runs again and the controls have their design values.
    EXPECT_EQ(form.txt.Text(), "");
    EXPECT_EQ(form.loads, 2);
    EXPECT_TRUE(form.optA.Value());
    EXPECT_NE(GetMenu(form.Handle()), nullptr);
}

TEST(FormsControls, ClipboardHoldsTheTextAlone) {
    ASSERT_TRUE(Clipboard::SetText("first"));
    EXPECT_EQ(Clipboard::GetText(), "first");
    ASSERT_TRUE(Clipboard::SetText("line 1\r\nline 2"));
    EXPECT_EQ(Clipboard::GetText(), "line 1\r\nline 2");
    ASSERT_TRUE(Clipboard::SetText(""));
    EXPECT_EQ(Clipboard::GetText(), "");
}

}  // namespace
