#pragma once
// The splash window: the first window of the program. It prepares the
// program-wide state, loads the settings, runs the update check and then
// routes the user to the mode choice, the basic-mode or the advanced-mode
// window. It is only hidden, never unloaded, and keeps the update check
// alive, so a late reply is still tested.
#include <memory>
#include <string>

#include "editor/UpdateCheckPort.h"
#include "forms/Controls.h"
#include "forms/Font.h"
#include "forms/Form.h"
#include "forms/Timer.h"

namespace ombrelt::editor {

class Program;

class frmSplash2 : public forms::Form {
public:
    explicit frmSplash2(Program& program);

    // Start-up steps 1 to 7 (Program::Start runs it before loading the window).
    void Form_Initialize();

    forms::Image imgTitle, imgIcon;
    forms::Timer tmr1;       // the one-second wait for the connection
    forms::Timer tmrUpdate;  // starts the check on its first tick
    std::unique_ptr<UpdateCheckPort> ClientUpdate;
    bool Connected = false;

    void SkipSplash();
    void ShowMainWindow();
    void tmr1_Timer();
    void tmrUpdate_Timer();
    void ClientUpdate_Connect();
    bool ClientUpdate_UpdateAvailable(const std::string& downloadUrl);
    void ClientUpdate_NoUpdate();

protected:
    forms::FormLayout Layout() const override;
    void Form_Load() override;
    void Form_Click() override { SkipSplash(); }

private:
    Program& program_;
    forms::Picture title_, icon_;
    bool routed_ = false;  // ShowMainWindow has run
};

}  // namespace ombrelt::editor
