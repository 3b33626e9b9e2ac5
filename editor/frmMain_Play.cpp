// The advanced-mode window's playback: Play, Play Selection, Repeat, the
// pause, the play and hot-key timers, and the time correction.
#include "editor/PlayControl.h"
#include "editor/Program.h"
#include "editor/frmMain.h"

namespace ombrelt::editor {

void frmMain::mnuScriptPlay_Click() {
    if (playback_.ResumePaused()) return;
    EndRunAndRecording();
    program_.Automation().SelectedWindow = 0;
    if (!playback_.Start(txtLog.Text())) Show();
}

void frmMain::mnuScriptPlaySelection_Click() {
    mnuScriptStop_Click();
    // Neither resumes a paused run nor clears the selected window.
    playback_.Start(PlayControl::SelectionScript(txtLog.Text(), txtLog.SelStart(), txtLog.SelLength()));
}

void frmMain::mnuScriptRepeat_Click() {
    bool& repeat = program_.Automation().RepeatEnabled;
    repeat = !repeat;
    mnuScriptRepeat.SetChecked(repeat);
}

void frmMain::PauseScript() {
    playback_.Pause();
}

void frmMain::tmrPlay_Timer() {
    if (!playback_.RunOnce()) return;
    // With repeat on the timer stays enabled: the next tick runs the script
    // again from the start.
    if (!program_.Automation().RepeatEnabled) mnuScriptStop_Click();
}

void frmMain::tmrInputs_Timer() {
    // Loaded for its hidden controls while the basic-mode window is in use,
    // this window must not act on that window's hot keys.
    if (program_.State().BasicModeInUse) return;
    playback_.PollHotKeys({
        .Stop = [this] { mnuScriptStop_Click(); },
        .CanPause = [this] { return tmrCorrectTime.Enabled(); },
        .Pause = [this] { PauseScript(); },
        .Record =
            [this] {
                program_.State().RecordStartedByHotkey = true;
                StartRecording();
            },
        .Play = [this] { mnuScriptPlay_Click(); },
    });
}

void frmMain::mnuScriptCorrectTime_Click() {
    mnuScriptStop_Click();
    playback_.CorrectTime();
}

void frmMain::tmrCorrectTime_Timer() {
    playback_.TimedRun();
}

}  // namespace ombrelt::editor
