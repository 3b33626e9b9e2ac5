#include "editor/Playback.h"

#include "automation/ScriptError.h"
#include "editor/Program.h"
#include "editor/RunTick.h"
#include "editor/SystemKeys.h"
#include "editor/frmWhite.h"
#include "editor/mdlCorrectTime.h"
#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/Timer.h"

namespace ombrelt::editor {

void RunEveryMillisecond(forms::Timer& timer) {
    timer.SetEnabled(true);
    timer.SetInterval(1);
}

void SwitchOff(forms::Timer& timer) {
    timer.SetEnabled(false);
    timer.SetInterval(0);
}

bool Playback::ResumePaused() {
    EditorState& state = program_.State();
    if (!state.IsPaused) return false;
    RunEveryMillisecond(w_.tmrPlay);
    state.IsPaused = false;
    return true;
}

bool Playback::Start(const std::string& script) {
    EditorState& state = program_.State();
    SC& engine = program_.ScriptEngine();
    state.ScriptText = script;
    engine.SetExecuteType(0);
    if (!RunStep([&] { engine.Initialize(state.ScriptText); })) return false;
    ++state.Starts;
    w_.Window.Hide();
    RunEveryMillisecond(w_.tmrPlay);
    return true;
}

void Playback::Pause() {
    w_.tmrPlay.SetEnabled(false);
    program_.ScriptEngine().PauseExecution();
    program_.State().IsPaused = true;
}

bool Playback::RunOnce() {
    RunTick tick(program_.State());
    if (!tick.Entered()) return false;
    // A flow error ends the run like its end; the host carries on.
    RunStep([&] { program_.ScriptEngine().Execute(); });
    // Ctrl+9 or Ctrl+8 during the run stopped it and started something new,
    // which the end of this run must not stop again.
    return !tick.Superseded();
}

void Playback::CorrectTime() {
    EditorState& state = program_.State();
    state.ScriptText = w_.txtLog.Text();
    program_.Automation().SelectedWindow = 0;
    const int answer =
        program_.MsgBox(w_.Window, "Do you wish to use the White Debug mode?", MB_YESNOCANCEL, "White Debug mode?");
    if (answer == IDYES) {
        ++state.Starts;
        w_.Window.Hide();
        state.WhiteFromBasic = w_.IsBasic;
        SwitchOff(w_.tmrPlay);
        SwitchOff(w_.tmrInputs);
        program_.ScriptEngine().SetExecuteType(2);
        program_.White().Begin();
    } else if (answer == IDNO) {
        ++state.Starts;
        w_.Window.Hide();
        RunEveryMillisecond(w_.tmrCorrectTime);
    }
}

void Playback::TimedRun() {
    EditorState& state = program_.State();
    Desktop& desktop = program_.Desktop();
    SC& engine = program_.ScriptEngine();
    RunTick tick(state);
    if (!tick.Entered()) return;

    // Each step runs whatever an earlier one did.
    RunStep([&] { state.RecordSeconds = 0; });
    RunStep([&] { state.OriginalPlayTime = mdlCorrectTime::ReadOriginalPlayTime(state.ScriptText); });
    RunStep([&] {
        mdlTime::StartMillisecondTimer(state.Stopwatches, desktop);
        w_.tmrRecTime.SetEnabled(true);
    });
    RunStep([&] { engine.SetExecuteType(1); });
    RunStep([&] { engine.Initialize(state.ScriptText); });
    RunStep([&] { engine.Execute(); });
    std::uint32_t milliseconds = 0;
    RunStep([&] { milliseconds = mdlTime::GetMilliseconds(state.Stopwatches, desktop); });
    // A Play, a correction or a recording started by a hot key during the
    // run has taken over: the text, the window and the message are its. The
    // seconds timer stops unless the recorder now counts with it.
    if (tick.Superseded()) {
        if (!state.IsRecording) RunStep([&] { w_.tmrRecTime.SetEnabled(false); });
        return;
    }
    RunStep([&] {
        w_.tmrRecTime.SetEnabled(false);
        w_.tmrCorrectTime.SetEnabled(false);
    });

    const double measured = mdlCorrectTime::MeasuredSeconds(state.RecordSeconds, milliseconds);
    const double percent = mdlCorrectTime::NewPercentage(measured, state.OriginalPlayTime);
    RunStep([&] {
        w_.txtLog.SetText(mdlCorrectTime::RewritePausePercent(w_.txtLog.Text(), state.PausePercentText, percent));
    });
    RunStep([&] { program_.Desktop().AwaitInputDelivered(); });  // before the window takes the focus
    RunStep([&] { w_.Window.Show(); });
    RunStep([&] {
        program_.MsgBox(w_.Window, mdlCorrectTime::ResultMessage(measured, state.OriginalPlayTime), MB_OK,
                        program_.App().Title());
    });
}

void Playback::PollHotKeys(HotKeys::Actions actions) {
    // Nothing starts while a recording runs, nor under one of the editor's
    // dialogs, which would be left behind (a stale question clicked into the
    // recording). Ctrl+0 still stops; a script's own message box belongs to
    // its run and blocks nothing.
    const EditorState& state = program_.State();
    actions.StartBlocked = [&state] { return state.IsRecording || state.DialogOpen; };
    SystemKeys keys(program_.HotKeyPresses());
    HotKeys::Poll(keys, actions);
}

}  // namespace ombrelt::editor
