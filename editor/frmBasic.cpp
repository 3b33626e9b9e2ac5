#include "editor/frmBasic.h"

#include "automation/FileAccess.h"
#include "automation/ScriptError.h"
#include "editor/BasicMode.h"
#include "editor/EditCommands.h"
#include "editor/PlayControl.h"
#include "editor/Program.h"
#include "editor/ScriptFile.h"
#include "editor/frmAbout.h"
#include "editor/frmChoice.h"
#include "editor/frmMain.h"
#include "editor/mdlFile.h"
#include "editor/mdlParsing.h"
#include "forms/Application.h"
#include "forms/Dialogs.h"

namespace ombrelt::editor {

using forms::Twips;

namespace {

constexpr int kButtonWidth = 1215, kButtonHeight = 495;  // twips
// Scripts only: the basic window neither opens nor saves compiled executables.
constexpr std::string_view kScriptFilter = ScriptFile::SaveFilter;
constexpr std::string_view kOpenQuestion =
    "There is an existing script open. If you open a new script Ombrelt will delete the existing script. Do you "
    "wish to continue?";
constexpr std::string_view kRecordQuestion =
    "There is an existing script open. If you record a new script Ombrelt will delete the existing script. Do "
    "you wish to continue?";

forms::ControlLayout At(int left, int top, int width, int height, const char* caption = "") {
    return {Twips(left), Twips(top), Twips(width), Twips(height), caption};
}

forms::ControlLayout Button(int left, const char* caption) {
    return At(left, 480, kButtonWidth, kButtonHeight, caption);
}

}  // namespace

frmBasic& Program::Basic() {
    const bool first = !basic_;
    frmBasic& window = Window<frmBasic>(basic_);
    if (first) window.Form_Initialize();
    return window;
}

// The basic-mode window is in use from routing or the switch from the
// advanced window until its Advanced Mode button.
void Program::ShowBasicWindow() {
    state_.BasicModeInUse = true;
    Basic().Show();
}

void Program::EnterBasicMode(const std::string& mainCaption, const std::string& scriptText) {
    frmBasic& basic = Basic();
    RunEveryMillisecond(basic.tmrInputs);
    if (const auto caption = BasicMode::CaptionFromAdvanced(mainCaption)) basic.SetCaption(*caption);
    basic.txtLog.SetText(scriptText);
    state_.BasicModeInUse = true;
    basic.Show();
}

frmBasic::frmBasic(Program& program)
    : forms::Form(program.App()),
      fraMain(*this, At(120, 120, 8055, 1095, "Main")),
      cmdRecord(*this, Button(240, "Record")),
      cmdSave(*this, Button(1560, "Save")),
      cmdOpen(*this, Button(2880, "Open...")),
      cmdAdvanced(*this, Button(4200, "Advanced Mode")),
      cmdCorrectTime(*this, Button(5520, "Correct Time")),
      cmdPlay(*this, Button(6840, "Play")),
      fraPlay(*this, At(120, 1320, 3975, 1335, "Play Options")),
      optPlayOnce(*this, At(240, 1680, 1815, 255, "Play Once"), true),
      optRepeat(*this, At(2160, 1680, 1815, 255, "Play Repeatedly"), false, true),
      optPlayX(*this, At(240, 2160, 2415, 255, "Play X amount of times:")),
      txtPlayX(*this, At(2760, 2160, 1095, 285, "1")),
      fraRecordOptions(*this, At(4200, 1320, 3975, 1215, "Record Options")),
      chkMM(*this, At(4320, 1680, 2775, 255, "Record Mouse Movements")),
      chkEx(*this, At(4320, 2040, 3615, 255, "Use Extended mouse positioned clicks")),
      fraHelp(*this, At(5640, 2640, 2535, 735, "Help")),
      cmdAbout(*this, At(5880, 2880, 975, 375, "About")),
      cmdReadme(*this, At(6960, 2880, 975, 375, "Readme")),
      txtLog(*this, {0, 0, 10, 10, "", false}, forms::TextBox::Lines::Multi, true),
      tmrPlay(*this, [this] { tmrPlay_Timer(); }, 1, false),
      tmrCorrectTime(*this, [this] { tmrCorrectTime_Timer(); }, 1, false),
      tmrRecord(*this, [this] { tmrRecord_Timer(); }, 1, false),
      tmrInputs(*this, [this] { tmrInputs_Timer(); }, 1, true),
      tmrRecTime(*this, [this] { tmrRecTime_Timer(); }, 1000, false),
      program_(program),
      font_("Verdana", 8.25) {
    for (forms::Control* control : std::initializer_list<forms::Control*>{
             &fraMain, &cmdRecord, &cmdSave, &cmdOpen, &cmdAdvanced, &cmdCorrectTime, &cmdPlay, &fraPlay,
             &optPlayOnce, &optRepeat, &optPlayX, &txtPlayX, &fraRecordOptions, &chkMM, &chkEx, &fraHelp,
             &cmdAbout, &cmdReadme})
        control->SetFont(font_);
    chkMM.Click = [this] { chkMM_Click(); };
    chkEx.Click = [this] { chkEx_Click(); };
    optPlayOnce.Click = [this] { optPlayOnce_Click(); };
    optRepeat.Click = [this] { optRepeat_Click(); };
    optPlayX.Click = [this] { optPlayX_Click(); };
    cmdPlay.Click = [this] { cmdPlay_Click(); };
    cmdCorrectTime.Click = [this] { cmdCorrectTime_Click(); };
    cmdRecord.Click = [this] { cmdRecord_Click(); };
    cmdOpen.Click = [this] { cmdOpen_Click(); };
    cmdSave.Click = [this] { cmdSave_Click(); };
    cmdAdvanced.Click = [this] { cmdAdvanced_Click(); };
    cmdAbout.Click = [this] { cmdAbout_Click(); };
    cmdReadme.Click = [this] { cmdReadme_Click(); };
}

forms::FormLayout frmBasic::Layout() const {
    forms::FormLayout layout;
    layout.Caption = std::string(BasicMode::UntitledCaption);
    // Fixed single border, no maximise button.
    layout.Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, Twips(8295), Twips(3495)};
    AdjustWindowRectEx(&frame, layout.Style, FALSE, 0);
    layout.Width = frame.right - frame.left;
    layout.Height = frame.bottom - frame.top;
    layout.X = (GetSystemMetrics(SM_CXSCREEN) - layout.Width) / 2;
    layout.Y = (GetSystemMetrics(SM_CYSCREEN) - layout.Height) / 2;
    return layout;
}

void frmBasic::Form_Initialize() {
    txtLog.SetText(std::string(EmptyScript));
}

void frmBasic::Form_Load() {
    AutomationState& automation = program_.Automation();
    EditorState& state = program_.State();
    SetBackColor(RGB(255, 255, 255));
    RunEveryMillisecond(tmrInputs);
    App().SetTitle("");
    automation.SelectedWindow = 0;
    automation.PauseFactor = 1.0;
    // With repeat off no option is selected until the user picks one.
    optRepeat.SetValue(automation.RepeatEnabled);
    chkMM.SetValue(state.RecordMouseMoves ? 1 : 0);
    chkEx.SetValue(state.UseExtendedClicks ? 1 : 0);
}

bool frmBasic::Form_QueryUnload() {
    StopAll();
    program_.SaveSettings();
    program_.End();
    return true;  // never unloaded: the program has ended
}

// Options

void frmBasic::chkMM_Click() {
    program_.State().RecordMouseMoves = chkMM.Value() == 1;
}

void frmBasic::chkEx_Click() {
    program_.State().UseExtendedClicks = chkEx.Value() == 1;
}

void frmBasic::optPlayOnce_Click() {
    program_.Automation().RepeatEnabled = false;
    optPlayOnce.SetValue(true);
}

void frmBasic::optRepeat_Click() {
    program_.Automation().RepeatEnabled = true;
    optRepeat.SetValue(true);
}

void frmBasic::optPlayX_Click() {
    program_.Automation().RepeatEnabled = false;
}

// Playback

void frmBasic::cmdPlay_Click() {
    if (playback_.ResumePaused()) return;
    EndRunAndRecording();
    if (optPlayX.Value()) {
        const auto count = PlayControl::ParsePlayXCount(txtPlayX.Text());
        if (!count) {
            Show();  // the message belongs to this window
            program_.MsgBox(*this, "The Play X times must be numeric!", MB_OK | MB_ICONERROR, "Error");
            return;
        }
        EditorState& state = program_.State();
        state.PlayXCount = *count;
        state.PlayXDone = 0;
        program_.Automation().RepeatEnabled = true;
    }
    // Unlike the advanced window's Play, the selected window stays.
    if (!playback_.Start(txtLog.Text())) Show();
}

void frmBasic::tmrPlay_Timer() {
    if (!playback_.RunOnce()) return;
    EditorState& state = program_.State();
    if (!program_.Automation().RepeatEnabled) {
        StopAll();
    } else if (optPlayX.Value() && PlayControl::CountPlayXRun(state.PlayXDone, state.PlayXCount)) {
        StopAll();
    }
    // Otherwise the timer ticks again: repeat until stopped.
}

void frmBasic::tmrInputs_Timer() {
    playback_.PollHotKeys({
        .Stop = [this] { StopAll(); },
        .CanPause = [this] { return tmrCorrectTime.Enabled(); },
        .Pause = [this] { PauseScript(); },
        .Record = [this] { cmdRecord_Click(); },
        .Play = [this] { cmdPlay_Click(); },
    });
}

void frmBasic::PauseScript() {
    playback_.Pause();
}

void frmBasic::cmdCorrectTime_Click() {
    StopAll();
    playback_.CorrectTime();
}

void frmBasic::tmrCorrectTime_Timer() {
    playback_.TimedRun();
}

// Recording and stop

mdlRecord::Recorder& frmBasic::Recorder() {
    if (!recorder_)
        recorder_ = std::make_unique<mdlRecord::Recorder>(program_.State(), program_.Automation(),
                                                          program_.Desktop(), mdlRecord::LineWriter::Basic);
    return *recorder_;
}

void frmBasic::cmdRecord_Click() {
    EndRunAndRecording();
    const std::string text = txtLog.Text();
    if (!text.empty() && text != EmptyScript) {
        Show();  // the question belongs to this window
        if (program_.MsgBox(*this, std::string(kRecordQuestion), MB_YESNO, "Confirm Recording") != IDYES) return;
    }
    SetCaption(BasicMode::FileCaption("Untitled"));
    Hide();
    Recorder().Begin(mdlRecord::ReadKeyboard());
    tmrRecTime.SetEnabled(true);
    tmrRecord.SetEnabled(true);
}

void frmBasic::tmrRecord_Timer() {
    Recorder().Tick(mdlRecord::ReadKeyboard());
}

void frmBasic::tmrRecTime_Timer() {
    Recorder().CountSecond();
}

void frmBasic::StopAll() {
    EndRunAndRecording();
    RunStep([&] { Show(); });
}

void frmBasic::EndRunAndRecording() {
    // Every step runs, whatever an earlier one did.
    RunStep([&] { program_.ScriptEngine().StopExecution(); });
    RunStep([&] {
        tmrPlay.SetEnabled(false);
        tmrCorrectTime.SetEnabled(false);
    });
    RunStep([&] {
        if (!program_.State().IsRecording) return;
        tmrRecord.SetEnabled(false);
        tmrRecTime.SetEnabled(false);
        Recorder().Finish();
        txtLog.SetText(program_.State().ScriptText);
        // The recording is no file's text: Save asks for a name, in this
        // window and in the advanced one after a switch, rather than write
        // it over the file opened before.
        SetCaption(BasicMode::FileCaption("Untitled"));
        program_.State().CurrentFilePath.clear();
    });
    RunStep([&] { program_.Desktop().AwaitInputDelivered(); });  // before this window takes the focus
}

// Files

void frmBasic::cmdOpen_Click() {
    if (!txtLog.Text().empty() &&
        program_.MsgBox(*this, std::string(kOpenQuestion), MB_YESNO, "Confirm Recording") != IDYES)
        return;
    std::string path = program_.ShowOpen(*this, std::string(ScriptFile::OpenTitle), kScriptFilter,
                                         std::string(ScriptFile::Extension));
    if (!mdlFile::IsValidFileName(path) || path.empty()) return;
    std::string bytes;
    // A file that cannot be read, or is no script, changes nothing.
    if (!FileAccess::ReadWholeFile(path, bytes)) {
        program_.ShowFileError(*this, ScriptFile::ReadFailedMessage);
        return;
    }
    if (!ScriptFile::IsScriptText(bytes)) {
        program_.ShowFileError(*this, ScriptFile::NotAScriptMessage);
        return;
    }
    EditorState& state = program_.State();
    program_.Automation().ImageBaseFolder = mdlFile::GetFolder(path);
    SetCaption(BasicMode::FileCaption(mdlParsing::GetFileName(path)));
    state.CurrentFilePath = path;
    txtLog.SetText(bytes);
    state.ScriptText = txtLog.Text();
}

void frmBasic::cmdSave_Click() {
    SaveScript();
}

void frmBasic::SaveScript() {
    // Nothing recorded, opened or brought over yet: nothing to save.
    if (Caption() == BasicMode::UntitledCaption) return;
    std::string path;
    RunStep([&] {
        path = program_.ShowSave(*this, kScriptFilter, std::string(ScriptFile::Extension),
                                 std::string(ScriptFile::SaveTitle));
    });
    if (!mdlFile::IsValidFileName(path) || path.empty()) return;
    // The script is written whole before it replaces the file, so a failed
    // save keeps the old file; the user is told, and the window names the
    // file only once the script is in it.
    if (!FileAccess::ReplaceWholeFile(path, txtLog.Text())) {
        program_.ShowFileError(*this, ScriptFile::SaveFailedMessage);
        return;
    }
    RunStep([&] { program_.Automation().ImageBaseFolder = mdlFile::GetFolder(path); });
    RunStep([&] { SetCaption(BasicMode::FileCaption(mdlParsing::GetFileName(path))); });
    RunStep([&] { program_.State().CurrentFilePath = path; });
}

// Mode switch and help

void frmBasic::cmdAdvanced_Click() {
    SwitchOff(tmrPlay);
    SwitchOff(tmrInputs);
    frmMain& main = program_.Main();
    RunEveryMillisecond(main.tmrInputs);
    if (const auto caption = BasicMode::AdvancedCaption(Caption())) main.SetCaption(*caption);
    main.txtLog.SetText(txtLog.Text());
    EditorState& state = program_.State();
    state.StartInBasicMode = false;
    state.BasicModeInUse = false;
    program_.Choice().Hide();
    Hide();
    main.Show();
}

void frmBasic::cmdAbout_Click() {
    program_.About().ShowInFront();
}

void frmBasic::cmdReadme_Click() {
    forms::Shell(ReadmeCommandLine(App().Path()), SW_SHOWNORMAL);
}

}  // namespace ombrelt::editor
