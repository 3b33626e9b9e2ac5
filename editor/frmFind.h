#pragma once
// The Find dialog: stores a search and runs it once on the advanced-mode
// editor (frmMain::FindIt). Shown modeless; unloads itself after Find Next
// or Cancel.
#include "forms/Controls.h"
#include "forms/Form.h"

namespace ombrelt::editor {

class Program;

class frmFind : public forms::Form {
public:
    explicit frmFind(Program& program);

    forms::Label lblFind;
    forms::TextBox txtFind;
    forms::CheckBox chkMatch;
    forms::Frame fraDirection;
    forms::OptionButton optUp, optDown;
    forms::CommandButton cmdFind, cmdCancel;

    void cmdFind_Click();
    void cmdCancel_Click();

protected:
    forms::FormLayout Layout() const override;
    void Form_Load() override;

private:
    Program& program_;
};

}  // namespace ombrelt::editor
