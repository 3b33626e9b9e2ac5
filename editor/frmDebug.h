#pragma once
// The debug window: the engine's debug listing (parsed statements, functions
// and variables), appended to what the window already shows. Closing it only
// hides it, so its text lasts until the program ends.
#include "automation/win32/WinApi.h"
#include "forms/Controls.h"
#include "forms/Form.h"

namespace ombrelt::editor {

class Program;

class frmDebug : public forms::Form {
public:
    explicit frmDebug(Program& program);

    forms::TextBox txtDebug;
    forms::CommandButton cmdGetDebug;

    // Appends a fresh listing and scrolls to its end.
    void GetNewDebug();
    void cmdGetDebug_Click();

protected:
    forms::FormLayout Layout() const override;
    bool Form_QueryUnload() override;

private:
    static void ScrollToBottom(HWND textBox);

    Program& program_;
};

}  // namespace ombrelt::editor
