// Ombrelt, the editor and recorder: the start-up window prepares everything;
// the message loop runs the rest. The program ends by ending its process.
#include "automation/win32/WinApi.h"

#include "editor/Program.h"
#include "forms/MessageLoop.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Lives until the process ends; it is never destroyed, as nothing may
    // run after the end.
    auto* program = new ombrelt::editor::Program;
    program->Start();
    const int code = ombrelt::forms::RunMessageLoop();
    ExitProcess(static_cast<UINT>(code));
}
