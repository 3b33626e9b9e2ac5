#pragma once
// The White Debug window: a borderless white window over the whole screen on
// which a timed correction run shows its seconds against the script's
// original play time, the statements executed so far and the pointer. Its
// play timer runs the script; Ctrl+0 leaves the run. At the end control goes
// back to the window that started the run.
#include <string>

#include "forms/Controls.h"
#include "forms/Font.h"
#include "forms/Form.h"
#include "forms/Timer.h"

namespace ombrelt::editor {

class Program;

class frmWhite : public forms::Form {
public:
    explicit frmWhite(Program& program);

    forms::Label lblT, lblCurrTime, lblDiv, lblTotalTime, lblL, lblLine, lblMouse;
    forms::Timer tmrPlay;     // 1 ms, disabled: the run, on its first tick
    forms::Timer tmrInputs;   // 1 ms, disabled: Ctrl+0
    forms::Timer tmrRecTime;  // 1000 ms, disabled: whole seconds
    forms::Timer tmrMouse;    // 100 ms, disabled: the pointer

    // The starting window has hidden itself, switched its own play and
    // hot-key timers off and set execute type 2: arm the run and show.
    void Begin();
    void ResetDisplay();

    void tmrPlay_Timer();
    void tmrInputs_Timer();
    void tmrRecTime_Timer();
    void tmrMouse_Timer();

protected:
    forms::FormLayout Layout() const override;
    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload() override;

private:
    // The window that started the run gets the hot keys back and shows.
    void ReturnToStartingWindow();
    forms::TextBox& StartingScript();
    void ShowLineCount();

    Program& program_;
    forms::Font font_;
};

}  // namespace ombrelt::editor
