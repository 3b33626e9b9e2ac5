// The advanced-mode window's recorder: Record, the recording timers, and the
// common Stop, which also ends playback and timed runs.
#include "automation/ScriptError.h"
#include "editor/Program.h"
#include "editor/frmMain.h"

namespace ombrelt::editor {

mdlRecord::Recorder& frmMain::Recorder() {
    if (!recorder_)
        recorder_ = std::make_unique<mdlRecord::Recorder>(program_.State(), program_.Automation(),
                                                          program_.Desktop(), mdlRecord::LineWriter::Advanced);
    return *recorder_;
}

void frmMain::mnuScriptRecord_Click() {
    program_.State().RecordStartedByHotkey = false;
    StartRecording();
}

void frmMain::StartRecording() {
    EndRunAndRecording();
    if (mdlRecord::AskBeforeRecording(txtLog.Text(), mdlRecord::LineWriter::Advanced)) {
        Show();  // the question belongs to this window
        if (program_.MsgBox(*this, std::string(mdlRecord::ConfirmRecordingText), MB_YESNO,
                            std::string(mdlRecord::ConfirmRecordingTitle)) != IDYES)
            return;
    }
    Hide();
    Recorder().Begin(mdlRecord::ReadKeyboard());
    tmrRecTime.SetEnabled(true);
    tmrRecord.SetEnabled(true);
}

void frmMain::tmrRecord_Timer() { Recorder().Tick(mdlRecord::ReadKeyboard()); }

void frmMain::tmrRecTime_Timer() { Recorder().CountSecond(); }

void frmMain::mnuScriptStop_Click() {
    EndRunAndRecording();
    RunStep([&] { Show(); });
}

void frmMain::EndRunAndRecording() {
    // Every step runs, whatever an earlier one did.
    RunStep([&] { program_.ScriptEngine().StopExecution(); });
    RunStep([&] {
        tmrPlay.SetEnabled(false);
        tmrCorrectTime.SetEnabled(false);
    });
    RunStep([&] { StopRecording(); });
    RunStep([&] { mnuScriptRepeat.SetChecked(program_.Automation().RepeatEnabled); });
    // The keys and clicks of the run reach their windows before this one
    // takes the focus.
    RunStep([&] { program_.Desktop().AwaitInputDelivered(); });
}

void frmMain::StopRecording() {
    if (!program_.State().IsRecording) return;
    tmrRecord.SetEnabled(false);
    tmrRecTime.SetEnabled(false);
    Recorder().Finish();
    txtLog.SetText(program_.State().ScriptText);
    // The recording is no file's text: Save asks for a name rather than
    // write it over the file opened before.
    SetCaption("Ombrelt - Untitled");
    program_.State().CurrentFilePath.clear();
}

}  // namespace ombrelt::editor
