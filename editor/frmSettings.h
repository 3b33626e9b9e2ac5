#pragma once
// The Settings dialog: the recorder's two flags, ignore pauses and the
// priority raise. Shown modeless; unloads itself on OK and Cancel. The
// flags are saved when the program ends.
#include "forms/Controls.h"
#include "forms/Form.h"

namespace ombrelt::editor {

class Program;

class frmSettings : public forms::Form {
public:
    explicit frmSettings(Program& program);

    forms::Frame fraRecording;
    forms::CheckBox chkMM, chkEx;
    forms::Frame fraPlay;
    forms::CheckBox chkPrior, chkPause;
    forms::CommandButton cmdOK, cmdCancel;

    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    forms::FormLayout Layout() const override;
    void Form_Load() override;

private:
    Program& program_;
};

}  // namespace ombrelt::editor
