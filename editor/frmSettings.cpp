#include "editor/frmSettings.h"

#include "editor/Program.h"

namespace ombrelt::editor {

frmSettings& Program::Settings() {
    return Window<frmSettings>(settings_);
}

frmSettings::frmSettings(Program& program)
    : forms::Form(program.App()),
      fraRecording(*this, {10, 8, 200, 76, "Recording"}),
      chkMM(*this, {24, 30, 176, 20, "Mouse Move"}),
      chkEx(*this, {24, 54, 176, 20, "Use Extended Clicks"}),
      fraPlay(*this, {10, 92, 200, 76, "Playing"}),
      chkPrior(*this, {24, 114, 176, 20, "High Priority"}),
      chkPause(*this, {24, 138, 176, 20, "Ignore Pauses"}),
      cmdOK(*this, {222, 14, 84, 26, "OK"}),
      cmdCancel(*this, {222, 46, 84, 26, "Cancel"}),
      program_(program) {
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
    SetDefaultButton(&cmdOK);
    SetCancelButton(&cmdCancel);
}

forms::FormLayout frmSettings::Layout() const {
    return forms::FormLayout::FixedDialog("Settings", 326, 212);
}

void frmSettings::Form_Load() {
    const EditorState& state = program_.State();
    chkMM.SetValue(state.RecordMouseMoves ? 1 : 0);
    chkEx.SetValue(state.UseExtendedClicks ? 1 : 0);
    chkPause.SetValue(program_.Automation().IgnorePauses ? 1 : 0);
}

void frmSettings::cmdOK_Click() {
    EditorState& state = program_.State();
    state.RecordMouseMoves = chkMM.Value() == 1;
    state.UseExtendedClicks = chkEx.Value() == 1;
    program_.Automation().IgnorePauses = chkPause.Value() == 1;
    if (chkPrior.Value() == 1) SetPriorityClass(GetCurrentProcess(), REALTIME_PRIORITY_CLASS);
    Unload();
}

void frmSettings::cmdCancel_Click() {
    Unload();
}

}  // namespace ombrelt::editor
