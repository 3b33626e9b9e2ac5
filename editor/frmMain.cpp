// The advanced-mode window itself: its controls and menus, start values,
// resize rule, edit commands, the switch to basic mode, settings, help and exit.
#include "editor/frmMain.h"

#include "editor/EditCommands.h"
#include "editor/Program.h"
#include "editor/frmAbout.h"
#include "editor/frmChoice.h"
#include "editor/frmSettings.h"
#include "editor/mdlManifest.h"
#include "forms/Application.h"
#include "forms/Dialogs.h"

namespace ombrelt::editor {

using forms::MenuItem;
using forms::Shortcut;
using forms::Twips;

frmMain& Program::Main() {
    const bool first = !main_;
    frmMain& window = Window<frmMain>(main_);
    if (first) window.Form_Initialize();
    return window;
}

frmMain::frmMain(Program& program)
    : forms::Form(program.App()),
      txtLog(*this, {Twips(120), Twips(120), 600, 380}, forms::TextBox::Lines::Multi, true),
      txtTemp(*this, {0, 0, 10, 10, "", false}, forms::TextBox::Lines::Multi),
      txtTemp2(*this, {0, 0, 10, 10, "", false}, forms::TextBox::Lines::Multi),
      txtTemp3(*this, {0, 0, 10, 10, "", false}, forms::TextBox::Lines::Multi),
      PicDest(*this, {0, 0, 10, 10, "", false}),
      PicEmpty(*this, {0, 0, 10, 10, "", false}),
      tmrRecord(*this, [this] { tmrRecord_Timer(); }, 1, false),
      tmrRecTime(*this, [this] { tmrRecTime_Timer(); }, 1000, false),
      tmrPlay(*this, [this] { tmrPlay_Timer(); }, 1, false),
      tmrCorrectTime(*this, [this] { tmrCorrectTime_Timer(); }, 1, false),
      tmrInputs(*this, [this] { tmrInputs_Timer(); }, 1, true),
      mnuFile(*this, nullptr, "&File"),
      mnuNew(*this, &mnuFile, "&New", Shortcut::Ctrl('N', "Ctrl+N")),
      mnuSep1(*this, &mnuFile, "-"),
      mnuFileOpen(*this, &mnuFile, "&Open", Shortcut::Ctrl('O', "Ctrl+O")),
      mnuFileSave(*this, &mnuFile, "&Save", Shortcut::Ctrl('S', "Ctrl+S")),
      mnuFileSaveAs(*this, &mnuFile, "Save &As"),
      mnuFileCompile(*this, &mnuFile, "&Compile"),
      mnuSep2(*this, &mnuFile, "-"),
      mnuFileBasicMode(*this, &mnuFile, "&Basic Mode"),
      mnuSep3(*this, &mnuFile, "-"),
      mnuFileSettings(*this, &mnuFile, "S&ettings"),
      mnuSep4(*this, &mnuFile, "-"),
      mnuExit(*this, &mnuFile, "E&xit"),
      mnuEdit(*this, nullptr, "&Edit"),
      mnuEditCut(*this, &mnuEdit, "Cu&t", Shortcut::Ctrl('X', "Ctrl+X")),
      mnuEditCopy(*this, &mnuEdit, "&Copy", Shortcut::Ctrl('C', "Ctrl+C")),
      mnuEditPaste(*this, &mnuEdit, "&Paste", Shortcut::Ctrl('V', "Ctrl+V")),
      mnuEditDelete(*this, &mnuEdit, "&Delete", Shortcut::Plain(VK_DELETE, "Del")),
      mnuSep5(*this, &mnuEdit, "-"),
      mnuEditFind(*this, &mnuEdit, "&Find...", Shortcut::Ctrl('F', "Ctrl+F")),
      mnuEditFindNext(*this, &mnuEdit, "Find &Next", Shortcut::Plain(VK_F3, "F3")),
      mnuEditReplace(*this, &mnuEdit, "&Replace...", Shortcut::Ctrl('R', "Ctrl+R")),
      mnuSep6(*this, &mnuEdit, "-"),
      mnuEditSelectAll(*this, &mnuEdit, "Select &All", Shortcut::Ctrl('A', "Ctrl+A")),
      mnuScript(*this, nullptr, "&Script"),
      mnuScriptPlay(*this, &mnuScript, "&Play"),
      mnuScriptPlaySelection(*this, &mnuScript, "Play S&election", Shortcut::Ctrl('E', "Ctrl+E")),
      mnuSep7(*this, &mnuScript, "-"),
      mnuScriptRepeat(*this, &mnuScript, "Repe&at", {}, true),
      mnuSep8(*this, &mnuScript, "-"),
      mnuScriptRecord(*this, &mnuScript, "&Record"),
      mnuSep9(*this, &mnuScript, "-"),
      mnuScriptStop(*this, &mnuScript, "&Stop"),
      mnuSep10(*this, &mnuScript, "-"),
      mnuScriptCorrectTime(*this, &mnuScript, "&Correct Time"),
      mnuScriptDebug(*this, &mnuScript, "&Debug"),
      mnuHelp(*this, nullptr, "&Help"),
      mnuHelpAbout(*this, &mnuHelp, "&About"),
      mnuSep11(*this, &mnuHelp, "-"),
      mnuReadme(*this, &mnuHelp, "&Readme"),
      program_(program),
      logFont_("Verdana", 9.75) {
    txtLog.SetFont(logFont_);
    txtLog.SetHideSelection(false);  // a match that Find selects shows while the Find window is active

    mnuNew.Click = [this] { mnuNew_Click(); };
    mnuFileOpen.Click = [this] { mnuFileOpen_Click(); };
    mnuFileSave.Click = [this] { mnuFileSave_Click(); };
    mnuFileSaveAs.Click = [this] { mnuFileSaveAs_Click(); };
    mnuFileCompile.Click = [this] { mnuFileCompile_Click(); };
    mnuFileBasicMode.Click = [this] { mnuFileBasicMode_Click(); };
    mnuFileSettings.Click = [this] { mnuFileSettings_Click(); };
    mnuExit.Click = [this] { mnuExit_Click(); };
    mnuEditCut.Click = [this] { mnuEditCut_Click(); };
    mnuEditCopy.Click = [this] { mnuEditCopy_Click(); };
    mnuEditPaste.Click = [this] { mnuEditPaste_Click(); };
    mnuEditDelete.Click = [this] { mnuEditDelete_Click(); };
    mnuEditFind.Click = [this] { mnuEditFind_Click(); };
    mnuEditFindNext.Click = [this] { mnuEditFindNext_Click(); };
    mnuEditReplace.Click = [this] { mnuEditReplace_Click(); };
    mnuEditSelectAll.Click = [this] { mnuEditSelectAll_Click(); };
    mnuScriptPlay.Click = [this] { mnuScriptPlay_Click(); };
    mnuScriptPlaySelection.Click = [this] { mnuScriptPlaySelection_Click(); };
    mnuScriptRepeat.Click = [this] { mnuScriptRepeat_Click(); };
    mnuScriptRecord.Click = [this] { mnuScriptRecord_Click(); };
    mnuScriptStop.Click = [this] { mnuScriptStop_Click(); };
    mnuScriptCorrectTime.Click = [this] { mnuScriptCorrectTime_Click(); };
    mnuScriptDebug.Click = [this] { mnuScriptDebug_Click(); };
    mnuHelpAbout.Click = [this] { mnuHelpAbout_Click(); };
    mnuReadme.Click = [this] { mnuReadme_Click(); };
}

forms::FormLayout frmMain::Layout() const {
    forms::FormLayout layout;
    layout.Caption = "Ombrelt";
    layout.Style = WS_OVERLAPPEDWINDOW;
    layout.X = 60;
    layout.Y = 40;
    layout.Width = 660;
    layout.Height = 500;
    return layout;
}

void frmMain::Form_Initialize() {
    mdlManifest::WriteManifest(program_.Folder(), App().EXEName());
    txtLog.SetText(std::string(EmptyScript));
}

void frmMain::Form_Load() {
    AutomationState& automation = program_.Automation();
    EditorState& state = program_.State();
    automation.RepeatEnabled = true;
    state.RecordMouseMoves = true;
    state.UseExtendedClicks = true;
    automation.PauseFactor = 1.0;
    automation.SelectedWindow = 0;
    state.FindFreshStart = true;
}

void frmMain::Form_Resize() {
    // Minimised, the sizes would go negative: keep the last layout.
    if (Minimized()) return;
    const int width = Width() - Twips(360);
    const int height = Height() - Twips(1050);
    if (width <= 0 || height <= 0) return;
    txtLog.Move(txtLog.Left(), txtLog.Top(), width, height);
}

bool frmMain::Form_QueryUnload() {
    mnuExit_Click();
    return true;  // the window is never unloaded; the program has ended
}

// Edit commands, all on txtLog.

void frmMain::mnuEditCopy_Click() {
    forms::Clipboard::SetText(txtLog.SelText());
}

void frmMain::mnuEditCut_Click() {
    forms::Clipboard::SetText(txtLog.SelText());
    txtLog.SetSelText("");
}

void frmMain::mnuEditPaste_Click() {
    txtLog.SetSelText(forms::Clipboard::GetText());
}

void frmMain::mnuEditDelete_Click() {
    const auto range = DeleteRange(txtLog.Text(), txtLog.SelStart(), txtLog.SelLength());
    if (!range) return;
    txtLog.SetSelStart(range->Start);
    txtLog.SetSelLength(range->Length);
    txtLog.SetSelText("");
}

void frmMain::mnuEditSelectAll_Click() {
    txtLog.SetSelStart(0);
    txtLog.SetSelLength(txtLog.TextLength());
}

// Mode switch, settings, help, exit.

void frmMain::mnuFileBasicMode_Click() {
    tmrPlay.SetEnabled(false);
    tmrPlay.SetInterval(0);
    tmrInputs.SetEnabled(false);
    tmrInputs.SetInterval(0);
    const std::string caption = Caption();
    const std::string text = txtLog.Text();
    program_.State().StartInBasicMode = true;
    Hide();
    program_.Choice().Hide();
    program_.EnterBasicMode(caption, text);
}

void frmMain::mnuFileSettings_Click() {
    program_.Settings().ShowInFront();
}

void frmMain::mnuHelpAbout_Click() {
    program_.About().ShowInFront();
}

void frmMain::mnuReadme_Click() {
    forms::Shell(ReadmeCommandLine(program_.Folder()), SW_SHOWNORMAL);
}

void frmMain::mnuExit_Click() {
    mnuScriptStop_Click();
    program_.SaveSettings();
    program_.End();
}

}  // namespace ombrelt::editor
