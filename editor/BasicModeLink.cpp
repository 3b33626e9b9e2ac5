// Until the basic-mode window exists, the advanced-mode window stands in for
// it: routing and the mode switch keep the program usable. frmBasic.cpp
// takes these two over (and this file goes).
#include "editor/Program.h"
#include "editor/frmMain.h"

namespace ombrelt::editor {

void Program::ShowBasicWindow() {
    Main().Show();
}

void Program::EnterBasicMode(const std::string&, const std::string&) {
    frmMain& main = Main();
    main.tmrInputs.SetInterval(1);
    main.tmrInputs.SetEnabled(true);
    main.Show();
}

}  // namespace ombrelt::editor
