// The stand-alone player: a copy of this program with a script appended runs
// that script unattended, without any window of its own.
#include "automation/win32/WinApi.h"

#include "Compiler/frmMain.h"
#include "automation/win32/ProcessTiming.h"
#include "automation/win32/Win32Desktop.h"
#include "forms/MessageLoop.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace ombrelt;
    win32::SetupProcessTiming();
    forms::Application app;
    AutomationState state;
    win32::Win32Desktop desktop;
    SC engine(state, desktop);
    player::frmMain form(app, state, engine);
    form.Form_Load();
    return forms::RunMessageLoop();
}
