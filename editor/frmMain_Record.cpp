// The advanced-mode window's recorder: Record, Stop and the recording timers.
#include "editor/Program.h"
#include "editor/frmMain.h"

namespace ombrelt::editor {

void frmMain::mnuScriptRecord_Click() {}
void frmMain::mnuScriptStop_Click() {}
void frmMain::StartRecording() {}
void frmMain::tmrRecord_Timer() {}
void frmMain::tmrRecTime_Timer() {}

}  // namespace ombrelt::editor
