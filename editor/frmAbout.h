#pragma once
// The About box: the logo, the name and version, and what the program does.
// Shown modeless; OK unloads it.
#include "forms/Controls.h"
#include "forms/Font.h"
#include "forms/Form.h"

namespace ombrelt::editor {

class Program;

class frmAbout : public forms::Form {
public:
    explicit frmAbout(Program& program);

    forms::PictureBox pic;
    forms::Label lblTitle, lblDescription, lblDetail;
    forms::CommandButton cmdOK;

    void cmdOK_Click();

protected:
    forms::FormLayout Layout() const override;
    void Form_Load() override;

private:
    forms::Picture logo_;
    forms::Font titleFont_;
};

}  // namespace ombrelt::editor
