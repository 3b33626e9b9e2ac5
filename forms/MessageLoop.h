#pragma once
// The program's message loop and the pump that lets handlers run in the
// middle of long work.
namespace ombrelt::forms {

// Processes every message waiting for this thread, then returns. False when
// a quit message arrived (it is posted again for the outer loop).
bool DoEvents();

// Runs until PostQuitMessage; returns the exit code it carried.
int RunMessageLoop();

}  // namespace ombrelt::forms
