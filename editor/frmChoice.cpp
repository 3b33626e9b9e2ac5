#include "editor/frmChoice.h"

#include "editor/Program.h"
#include "editor/frmMain.h"

namespace ombrelt::editor {

frmChoice& Program::Choice() {
    return Window<frmChoice>(choice_);
}

frmChoice::frmChoice(Program& program)
    : forms::Form(program.App()),
      lblChoice(*this, {16, 14, 280, 18, "Choose one of the following:"}),
      optAdvanced(*this, {32, 42, 260, 20, "Start Ombrelt in Advanced Mode"}, true),
      optBasic(*this, {32, 66, 260, 20, "Start Ombrelt in Basic Mode"}, false, true),
      cmdOK(*this, {118, 102, 80, 26, "OK"}),
      program_(program) {
    cmdOK.Click = [this] { cmdOK_Click(); };
    SetDefaultButton(&cmdOK);
}

forms::FormLayout frmChoice::Layout() const {
    return forms::FormLayout::FixedDialog("", 322, 176);
}

void frmChoice::Form_Load() {
    SetBackColor(RGB(255, 255, 255));
}

void frmChoice::cmdOK_Click() {
    const bool basic = optBasic.Value();
    program_.State().StartInBasicMode = basic;
    program_.SaveSettings();
    if (basic) program_.ShowBasicWindow();
    else program_.Main().Show();
    Hide();
}

void frmChoice::Form_Unload() {
    program_.End();
}

}  // namespace ombrelt::editor
