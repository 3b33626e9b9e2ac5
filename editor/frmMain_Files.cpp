// The advanced-mode window's files, find and replace, and debug commands.
#include "editor/Program.h"
#include "editor/frmMain.h"

namespace ombrelt::editor {

void frmMain::mnuNew_Click() {}
void frmMain::mnuFileOpen_Click() {}
void frmMain::mnuFileSave_Click() {}
void frmMain::mnuFileSaveAs_Click() {}
void frmMain::mnuFileCompile_Click() {}
void frmMain::mnuEditFind_Click() {}
void frmMain::mnuEditFindNext_Click() {}
void frmMain::mnuEditReplace_Click() {}
void frmMain::mnuScriptDebug_Click() {}
void frmMain::FindIt() {}

}  // namespace ombrelt::editor
