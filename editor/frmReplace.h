#pragma once
// The Replace dialog: replaces every occurrence in the advanced-mode editor
// at once. Shown modeless; unloads itself after Replace All or Cancel.
#include "forms/Controls.h"
#include "forms/Form.h"

namespace ombrelt::editor {

class Program;

class frmReplace : public forms::Form {
public:
    explicit frmReplace(Program& program);

    forms::Label lblFind;
    forms::TextBox txtFind;
    forms::Label lblReplace;
    forms::TextBox txtReplace;
    forms::CommandButton cmdReplaceAll, cmdCancel;

    void cmdReplaceAll_Click();
    void cmdCancel_Click();

protected:
    forms::FormLayout Layout() const override;

private:
    Program& program_;
};

}  // namespace ombrelt::editor
