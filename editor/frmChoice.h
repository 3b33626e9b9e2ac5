#pragma once
// The first-run mode choice: basic or advanced mode. Closing it ends the program.
#include "forms/Controls.h"
#include "forms/Form.h"

namespace ombrelt::editor {

class Program;

class frmChoice : public forms::Form {
public:
    explicit frmChoice(Program& program);

    forms::Label lblChoice;
    forms::OptionButton optAdvanced, optBasic;
    forms::CommandButton cmdOK;

    void cmdOK_Click();

protected:
    forms::FormLayout Layout() const override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    Program& program_;
};

}  // namespace ombrelt::editor
