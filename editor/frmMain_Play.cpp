// The advanced-mode window's playback: Play, Play Selection, Repeat, the
// pause, the play and hot-key timers, and the time correction.
#include "editor/Program.h"
#include "editor/frmMain.h"

namespace ombrelt::editor {

void frmMain::mnuScriptPlay_Click() {}
void frmMain::mnuScriptPlaySelection_Click() {}
void frmMain::mnuScriptRepeat_Click() {}
void frmMain::mnuScriptCorrectTime_Click() {}
void frmMain::PauseScript() {}
void frmMain::tmrPlay_Timer() {}
void frmMain::tmrInputs_Timer() {}
void frmMain::tmrCorrectTime_Timer() {}

}  // namespace ombrelt::editor
