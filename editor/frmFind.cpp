#include "editor/frmFind.h"

#include "editor/Program.h"
#include "editor/frmMain.h"

namespace ombrelt::editor {

frmFind& Program::Find() {
    return Window<frmFind>(find_);
}

frmFind::frmFind(Program& program)
    : forms::Form(program.App()),
      lblFind(*this, {10, 14, 44, 18, "Find:"}),
      txtFind(*this, {56, 10, 230, 22}),
      chkMatch(*this, {10, 56, 110, 20, "Match case"}),
      fraDirection(*this, {130, 40, 156, 48, "Direction"}),
      optUp(*this, {142, 60, 60, 20, "Up"}, true),
      optDown(*this, {208, 60, 70, 20, "Down"}, false, true),
      cmdFind(*this, {298, 8, 90, 26, "Find Next"}),
      cmdCancel(*this, {298, 40, 90, 26, "Cancel"}),
      program_(program) {
    cmdFind.Click = [this] { cmdFind_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
    SetDefaultButton(&cmdFind);
    SetCancelButton(&cmdCancel);
}

forms::FormLayout frmFind::Layout() const {
    forms::FormLayout layout;
    layout.Caption = "Find";
    layout.Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    layout.ExStyle = WS_EX_DLGMODALFRAME;
    layout.Width = 410;
    layout.Height = 132;
    layout.X = (GetSystemMetrics(SM_CXSCREEN) - layout.Width) / 2;
    layout.Y = (GetSystemMetrics(SM_CYSCREEN) - layout.Height) / 3;
    return layout;
}

void frmFind::Form_Load() {
    txtFind.SetText(program_.Main().txtLog.SelText());
    // Selected, so that typing replaces it.
    txtFind.SetSelStart(0);
    txtFind.SetSelLength(txtFind.TextLength());
}

void frmFind::cmdFind_Click() {
    frmMain& main = program_.Main();
    EditorState& state = program_.State();
    state.FindText = txtFind.Text();
    state.FindMatchCase = chkMatch.Value() == 1;
    state.FindDown = optDown.Value();
    state.FindStart = main.txtLog.SelStart();
    main.FindIt();
    Unload();
}

void frmFind::cmdCancel_Click() {
    Unload();
}

}  // namespace ombrelt::editor
