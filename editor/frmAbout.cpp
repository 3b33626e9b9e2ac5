#include "editor/frmAbout.h"

#include "editor/Artwork.h"
#include "editor/Program.h"

namespace ombrelt::editor {

frmAbout& Program::About() {
    return Window<frmAbout>(about_);
}

frmAbout::frmAbout(Program& program)
    : forms::Form(program.App()),
      pic(*this, {16, 16, 64, 64}),
      lblTitle(*this, {96, 16, 250, 22, "Ombrelt 1.4"}),
      lblDescription(*this, {96, 44, 250, 18, "Script based user events executor."}),
      lblDetail(*this, {96, 66, 250, 48,
                        "Records what you do with the mouse and keyboard as a script, and plays it back."}),
      cmdOK(*this, {266, 124, 80, 26, "OK"}),
      titleFont_("Verdana", 12, true) {
    lblTitle.SetFont(titleFont_);
    cmdOK.Click = [this] { cmdOK_Click(); };
    SetDefaultButton(&cmdOK);
    SetCancelButton(&cmdOK);  // Escape closes it, as it does the other dialogs
}

forms::FormLayout frmAbout::Layout() const {
    return forms::FormLayout::FixedDialog("About Ombrelt 1.4", 370, 194);
}

void frmAbout::Form_Load() {
    logo_ = LogoPicture(pic.Width(), GetSysColor(COLOR_BTNFACE));
    pic.SetPicture(logo_);
}

void frmAbout::cmdOK_Click() {
    Unload();
}

}  // namespace ombrelt::editor
