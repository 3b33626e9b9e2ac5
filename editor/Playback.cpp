#include "editor/Playback.h"

#include "automation/ScriptError.h"
#include "editor/Program.h"
#include "editor/SystemKeys.h"
#include "editor/frmWhite.h"
#include "editor/mdlCorrectTime.h"
#include "forms/Controls.h"
#include "forms/Dialogs.h"
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

void Playback::Start(const std::string& script) {
    EditorState& state = program_.State();
    SC& engine = program_.ScriptEngine();
    state.ScriptText = script;
    engine.SetExecuteType(0);
    // A script the engine refuses is not started; the window stays shown.
    if (!RunStep([&] { engine.Initialize(state.ScriptText); })) return;
    ++starts_;
    w_.Window.Hide();
    RunEveryMillisecond(w_.tmrPlay);
}

void Playback::Pause() {
    w_.tmrPlay.SetEnabled(false);
    program_.ScriptEngine().PauseExecution();
    program_.State().IsPaused = true;
}

bool Playback::RunOnce() {
    const std::uint32_t starts = starts_;
    // A flow error ends the run like its end; the host carries on.
    RunStep([&] { program_.ScriptEngine().Execute(); });
    // Ctrl+9 or Ctrl+8 during the run stopped it and started something new,
    // which the end of this run must not stop again.
    return starts == starts_ && !program_.State().IsRecording;
}

void Playback::CorrectTime() {
    EditorState& state = program_.State();
    state.ScriptText = w_.txtLog.Text();
    program_.Automation().SelectedWindow = 0;
    const int answer = forms::MsgBox("Do you wish to use the White Debug mode?", MB_YESNOCANCEL, "White Debug mode?");
    if (answer == IDYES) {
        w_.Window.Hide();
        state.WhiteFromBasic = w_.IsBasic;
        SwitchOff(w_.tmrPlay);
        SwitchOff(w_.tmrInputs);
        program_.ScriptEngine().SetExecuteType(2);
        program_.White().Begin();
    } else if (answer == IDNO) {
        w_.Window.Hide();
        RunEveryMillisecond(w_.tmrCorrectTime);
    }
}

void Playback::TimedRun() {
    EditorState& state = program_.State();
    Desktop& desktop = program_.Desktop();
    SC& engine = program_.ScriptEngine();
    const std::uint32_t starts = starts_;

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
    RunStep([&] {
        w_.tmrRecTime.SetEnabled(false);
        w_.tmrCorrectTime.SetEnabled(false);
    });

    const double measured = mdlCorrectTime::MeasuredSeconds(state.RecordSeconds, milliseconds);
    const double percent = mdlCorrectTime::NewPercentage(measured, state.OriginalPlayTime);
    RunStep([&] {
        w_.txtLog.SetText(mdlCorrectTime::RewritePausePercent(w_.txtLog.Text(), state.PausePercentText, percent));
    });
    // A Play or a recording started by a hot key during the run has taken
    // over: the window and the message would stand in its way.
    if (starts != starts_ || state.IsRecording) return;
    RunStep([&] { w_.Window.Show(); });
    RunStep([&] {
        forms::MsgBox(mdlCorrectTime::ResultMessage(measured, state.OriginalPlayTime), MB_OK,
                      program_.App().Title());
    });
}

void Playback::PollHotKeys(const HotKeys::Actions& actions) {
    SystemKeys keys;
    HotKeys::Poll(keys, actions);
}

}  // namespace ombrelt::editor
