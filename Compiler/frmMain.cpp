#include "Compiler/frmMain.h"

#include <exception>

#include "Compiler/ScriptPayload.h"
#include "forms/Keyboard.h"

namespace ombrelt::player {

void frmMain::Form_Load() {
    app_.SetTaskVisible(false);
    app_.SetTitle("");

    state_.PauseFactor = 1.0;
    state_.SizeTables();
    state_.ImageBaseFolder = app_.Path();
    state_.FirstFindMode = true;

    // Our own file carries the script at its end; without a readable payload
    // (the bare player, a damaged copy) there is nothing to run.
    auto payload = ReadScriptPayloadFile(app_.Path() + "\\" + app_.EXEName() + ".exe");
    if (!payload) app_.End(NoPayload);
    PayloadRepeatFlag = payload->RepeatFlag;
    PlayerScript = std::move(payload->Script);

    state_.SelectedWindow = 0;
    ScriptEngine.SetExecuteType(0);
    try {
        ScriptEngine.Initialize(PlayerScript);
    } catch (const std::exception&) {
        app_.End(RunFailed);
    }
    Run();

    if (PayloadRepeatFlag != '1') app_.End(Finished);
    tmrRepeat.SetInterval(1);
    tmrRepeat.SetEnabled(true);
}

void frmMain::tmrRepeat_Timer() {
    // The timer never re-enters this handler, and the first run has returned
    // before the timer starts, so a run never starts inside another.
    Run();
}

void frmMain::tmrInputs_Timer() {
    // Its own record of the key, so a press that another program's poll
    // took first still ends it.
    if (forms::Keyboard::CtrlDown(hotKeys_) && forms::Keyboard::PressedSinceLastPoll(hotKeys_, '0'))
        app_.End(Finished);
}

// A run that ends in an error ends the player: it has no one to tell, and
// repeating a script whose flow is broken would fail the same way forever.
void frmMain::Run() {
    try {
        ScriptEngine.Execute();
    } catch (const std::exception&) {
        app_.End(RunFailed);
    }
}

}  // namespace ombrelt::player
