#include "editor/frmWhite.h"

#include "automation/Convert.h"
#include "automation/ScriptError.h"
#include "editor/Playback.h"
#include "editor/Program.h"
#include "editor/RunTick.h"
#include "editor/SystemKeys.h"
#include "editor/frmBasic.h"
#include "editor/frmMain.h"
#include "editor/mdlCorrectTime.h"
#include "forms/Application.h"
#include "forms/MessageLoop.h"

namespace ombrelt::editor {

using forms::Twips;

namespace {
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kMouseLineOffset = 255;  // twips between lblMouse's top and the window's bottom
}  // namespace

frmWhite& Program::White() {
    return Window<frmWhite>(white_);
}

frmWhite::frmWhite(Program& program)
    : forms::Form(program.App()),
      lblT(*this, {Twips(120), Twips(120), Twips(1695), Twips(255), "Time (seconds):"}),
      lblCurrTime(*this, {Twips(120), Twips(480), Twips(975), Twips(375)}),
      lblDiv(*this, {Twips(1200), Twips(480), Twips(255), Twips(375), "/"}),
      lblTotalTime(*this, {Twips(1440), Twips(480), Twips(975), Twips(375)}),
      lblL(*this, {Twips(120), Twips(960), Twips(495), Twips(255), "Line:"}),
      lblLine(*this, {Twips(120), Twips(1320), Twips(2295), Twips(255)}),
      lblMouse(*this, {0, 0, Twips(2055), Twips(255)}),
      tmrPlay(*this, [this] { tmrPlay_Timer(); }, 1, false),
      tmrInputs(*this, [this] { tmrInputs_Timer(); }, 1, false),
      tmrRecTime(*this, [this] { tmrRecTime_Timer(); }, 1000, false),
      tmrMouse(*this, [this] { tmrMouse_Timer(); }, 100, false),
      program_(program),
      font_("Verdana", 9.75) {
    for (forms::Label* label : {&lblT, &lblCurrTime, &lblDiv, &lblTotalTime, &lblL, &lblLine, &lblMouse})
        label->SetFont(font_);
}

forms::FormLayout frmWhite::Layout() const {
    forms::FormLayout layout;
    layout.Style = WS_POPUP;  // no border, no caption
    const ScreenMetrics screen = program_.Desktop().Screen();
    layout.X = 0;
    layout.Y = 0;
    layout.Width = screen.WidthPixels;
    layout.Height = screen.HeightPixels;
    return layout;
}

void frmWhite::Form_Load() {
    SetBackColor(kWhite);
    Form_Resize();
}

void frmWhite::Form_Resize() {
    RunStep([&] {
        const ScreenMetrics screen = program_.Desktop().Screen();
        if (Width() != screen.WidthPixels || Height() != screen.HeightPixels)
            Move(0, 0, screen.WidthPixels, screen.HeightPixels);
    });
    RunStep([&] { lblMouse.Move(lblMouse.Left(), Height() - Twips(kMouseLineOffset), lblMouse.Width(), lblMouse.Height()); });
}

void frmWhite::Form_Unload() {
    tmrInputs.SetEnabled(false);
}

void frmWhite::Begin() {
    RunEveryMillisecond(tmrPlay);
    RunEveryMillisecond(tmrInputs);
    Show();
}

void frmWhite::ResetDisplay() {
    lblCurrTime.SetCaption("0");
    program_.State().WhiteLineCount = 0;
    lblLine.SetCaption("0");
    program_.State().RecordSeconds = 0;
}

void frmWhite::ShowLineCount() {
    // The engine's hooks count into the run state; the label shows it.
    lblLine.SetCaption(Convert::IntToText(program_.State().WhiteLineCount));
}

forms::TextBox& frmWhite::StartingScript() {
    return program_.State().WhiteFromBasic ? program_.Basic().txtLog : program_.Main().txtLog;
}

void frmWhite::ReturnToStartingWindow() {
    if (program_.State().WhiteFromBasic) {
        frmBasic& basic = program_.Basic();
        RunEveryMillisecond(basic.tmrInputs);
        basic.Show();
    } else {
        frmMain& main = program_.Main();
        RunEveryMillisecond(main.tmrInputs);
        main.Show();
    }
}

void frmWhite::tmrPlay_Timer() {
    EditorState& state = program_.State();
    Desktop& desktop = program_.Desktop();
    SC& engine = program_.ScriptEngine();
    RunTick tick(state);
    if (!tick.Entered()) return;

    // Each step runs whatever an earlier one did.
    RunStep([&] { ResetDisplay(); });
    RunStep([&] {
        state.OriginalPlayTime = mdlCorrectTime::ReadOriginalPlayTime(state.ScriptText);
        lblTotalTime.SetCaption(Convert::DoubleToText(state.OriginalPlayTime));
    });
    RunStep([&] {
        mdlTime::StartMillisecondTimer(state.Stopwatches, desktop);
        tmrRecTime.SetEnabled(true);
        tmrMouse.SetEnabled(true);
    });
    RunStep([&] { engine.Initialize(state.ScriptText); });
    RunStep([&] { engine.Execute(); });
    std::uint32_t milliseconds = 0;
    RunStep([&] { milliseconds = mdlTime::GetMilliseconds(state.Stopwatches, desktop); });
    RunStep([&] { tmrRecTime.SetEnabled(false); });
    // After Ctrl+0 the starting window may have started a newer run or a
    // recording: the text and the windows are that run's now.
    if (tick.Superseded()) {
        RunStep([&] { tmrMouse.SetEnabled(false); });
        return;
    }

    const double measured = mdlCorrectTime::MeasuredSeconds(state.RecordSeconds, milliseconds);
    RunStep([&] {
        lblCurrTime.SetCaption(Convert::DoubleToText(measured));
        ShowLineCount();
        forms::DoEvents();
    });
    const double percent = mdlCorrectTime::NewPercentage(measured, state.OriginalPlayTime);
    RunStep([&] {
        forms::TextBox& script = StartingScript();
        script.SetText(mdlCorrectTime::RewritePausePercent(script.Text(), state.PausePercentText, percent));
    });
    RunStep([&] { program_.Desktop().AwaitInputDelivered(); });  // before another window takes the focus
    RunStep([&] {
        SwitchOff(tmrInputs);
        tmrMouse.SetEnabled(false);
        Hide();
    });
    // Ctrl+0 switched the play timer off: no message then.
    if (tmrPlay.Enabled()) {
        RunStep([&] {
            program_.MsgBox(*this, mdlCorrectTime::ResultMessage(measured, state.OriginalPlayTime), MB_OK,
                            program_.App().Title());
        });
    }
    RunStep([&] { tmrPlay.SetEnabled(false); });
    RunStep([&] { ReturnToStartingWindow(); });
}

void frmWhite::tmrInputs_Timer() {
    SystemKeys keys(program_.HotKeyPresses());
    if (!HotKeys::StopPressed(keys)) return;
    program_.ScriptEngine().StopExecution();
    tmrRecTime.SetEnabled(false);
    tmrInputs.SetEnabled(false);
    SwitchOff(tmrPlay);
    program_.Desktop().AwaitInputDelivered();
    ReturnToStartingWindow();
    Hide();
    tmrInputs.SetInterval(0);
}

void frmWhite::tmrRecTime_Timer() {
    EditorState& state = program_.State();
    ++state.RecordSeconds;
    lblCurrTime.SetCaption(Convert::IntToText(state.RecordSeconds));
    mdlTime::StartMillisecondTimer(state.Stopwatches, program_.Desktop());
}

void frmWhite::tmrMouse_Timer() {
    Point& pointer = program_.Automation().CursorPoint;
    pointer = program_.Desktop().GetCursorPos();
    lblMouse.SetCaption("(" + Convert::IntToText(pointer.x) + ", " + Convert::IntToText(pointer.y) + ")");
    ShowLineCount();
}

}  // namespace ombrelt::editor
