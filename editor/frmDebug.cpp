#include "editor/frmDebug.h"

#include "editor/Program.h"
#include "forms/MessageLoop.h"

namespace ombrelt::editor {

frmDebug& Program::Debug() {
    return Window<frmDebug>(debug_);
}

frmDebug::frmDebug(Program& program)
    : forms::Form(program.App()),
      txtDebug(*this, {8, 8, 468, 360}, forms::TextBox::Lines::Multi, true),
      cmdGetDebug(*this, {376, 376, 100, 26, "Get Debug"}),
      program_(program) {
    cmdGetDebug.Click = [this] { cmdGetDebug_Click(); };
}

forms::FormLayout frmDebug::Layout() const {
    forms::FormLayout layout;
    layout.Caption = "Debug";
    layout.Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    layout.X = 120;
    layout.Y = 80;
    layout.Width = 492;
    layout.Height = 446;
    return layout;
}

void frmDebug::GetNewDebug() {
    txtDebug.SetText(txtDebug.Text() + program_.ScriptEngine().GetDebug());
    forms::DoEvents();
    ScrollToBottom(txtDebug.Handle());
}

void frmDebug::ScrollToBottom(HWND textBox) {
    SendMessageA(textBox, WM_VSCROLL, SB_BOTTOM, 0);
}

void frmDebug::cmdGetDebug_Click() {
    GetNewDebug();
}

bool frmDebug::Form_QueryUnload() {
    Hide();
    return true;
}

}  // namespace ombrelt::editor
