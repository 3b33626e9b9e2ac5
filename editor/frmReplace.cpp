#include "editor/frmReplace.h"

#include "editor/FindText.h"
#include "editor/Program.h"
#include "editor/frmMain.h"

namespace ombrelt::editor {

frmReplace& Program::Replace() {
    return Window<frmReplace>(replace_);
}

frmReplace::frmReplace(Program& program)
    : forms::Form(program.App()),
      lblFind(*this, {10, 14, 60, 18, "Find:"}),
      txtFind(*this, {74, 10, 212, 22}),
      lblReplace(*this, {10, 46, 60, 18, "Replace:"}),
      txtReplace(*this, {74, 42, 212, 22}),
      cmdReplaceAll(*this, {298, 8, 90, 26, "Replace All"}),
      cmdCancel(*this, {298, 40, 90, 26, "Cancel"}),
      program_(program) {
    cmdReplaceAll.Click = [this] { cmdReplaceAll_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
    SetDefaultButton(&cmdReplaceAll);
    SetCancelButton(&cmdCancel);
}

forms::FormLayout frmReplace::Layout() const {
    forms::FormLayout layout;
    layout.Caption = "Replace";
    layout.Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    layout.ExStyle = WS_EX_DLGMODALFRAME;
    layout.Width = 410;
    layout.Height = 112;
    layout.X = (GetSystemMetrics(SM_CXSCREEN) - layout.Width) / 2;
    layout.Y = (GetSystemMetrics(SM_CYSCREEN) - layout.Height) / 3;
    return layout;
}

void frmReplace::cmdReplaceAll_Click() {
    forms::TextBox& log = program_.Main().txtLog;
    const std::string text = log.Text();
    const std::string replaced = FindText::ReplaceAll(text, txtFind.Text(), txtReplace.Text());
    // Setting the same text again would only move the caret to the start.
    if (replaced != text) log.SetText(replaced);
    Unload();
}

void frmReplace::cmdCancel_Click() {
    Unload();
}

}  // namespace ombrelt::editor
