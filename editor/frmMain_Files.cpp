// The advanced-mode window's files (New, Open, Save, Save As, Compile), find
// and replace, and debug commands.
#include "editor/Compile.h"
#include "editor/EditCommands.h"
#include "automation/FileAccess.h"
#include "editor/FindText.h"
#include "editor/Program.h"
#include "editor/ScriptFile.h"
#include "editor/frmDebug.h"
#include "editor/frmFind.h"
#include "editor/frmMain.h"
#include "editor/frmReplace.h"
#include "editor/mdlFile.h"
#include "forms/Application.h"

namespace ombrelt::editor {
namespace {

// Upper case as the system code page has it, for searches that ignore case.
std::string Upper(std::string text) {
    if (!text.empty()) CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

// The new text is written whole before it replaces the file, so a failed
// save (a full disk, a device name) keeps the old file; the user is told
// rather than left believing it was saved.
bool SaveScript(Program& program, forms::Form& window, const std::string& path, const std::string& text) {
    if (FileAccess::ReplaceWholeFile(path, text)) return true;
    program.ShowFileError(window, ScriptFile::SaveFailedMessage);
    return false;
}

}  // namespace

// Files

void frmMain::mnuNew_Click() {
    NewScript();
}

bool frmMain::NewScript() {
    if (ScriptFile::NewNeedsQuestion(txtLog.Text()) &&
        program_.MsgBox(*this, std::string(ScriptFile::NewQuestion), MB_YESNO,
                        std::string(ScriptFile::NewQuestionTitle)) != IDYES)
        return false;
    mnuScriptStop_Click();
    SetCaption(std::string(ScriptFile::NewCaption));
    program_.State().CurrentFilePath.clear();
    txtLog.SetText("");
    txtLog.SetText(std::string(EmptyScript));
    return true;
}

void frmMain::mnuFileOpen_Click() {
    // Declining New's question keeps the current script: nothing is opened
    // over it.
    if (!NewScript()) return;
    std::string path = program_.ShowOpen(*this, std::string(ScriptFile::OpenTitle), ScriptFile::OpenFilter,
                                         std::string(ScriptFile::Extension));
    if (!mdlFile::IsValidFileName(path) || path.empty()) return;
    EditorState& state = program_.State();
    // A file that is refused changes nothing, the image folder included.
    if (ScriptFile::IsCompiledPath(path)) {
        // Caption and path stay: the executable is not the script's file.
        const auto script = ScriptFile::ReadCompiledScript(path);
        if (!script) {
            program_.ShowFileError(*this, ScriptFile::NoScriptMessage);
            return;
        }
        program_.Automation().ImageBaseFolder = mdlFile::GetFolder(path);
        txtLog.SetText(*script);
        state.ScriptText = txtLog.Text();
        return;
    }

    std::string bytes;
    if (!FileAccess::ReadWholeFile(path, bytes)) {
        program_.ShowFileError(*this, ScriptFile::ReadFailedMessage);
        return;
    }
    if (!ScriptFile::IsScriptText(bytes)) {
        program_.ShowFileError(*this, ScriptFile::NotAScriptMessage);
        return;
    }
    program_.Automation().ImageBaseFolder = mdlFile::GetFolder(path);
    SetCaption(ScriptFile::CaptionFor(path));
    state.CurrentFilePath = path;
    txtLog.SetText(bytes);
    state.ScriptText = txtLog.Text();
}

void frmMain::mnuFileSave_Click() {
    const std::string& path = program_.State().CurrentFilePath;
    if (path.empty()) {
        mnuFileSaveAs_Click();
        return;
    }
    SaveScript(program_, *this, path, txtLog.Text());
}

void frmMain::mnuFileSaveAs_Click() {
    std::string path = program_.ShowSave(*this, ScriptFile::SaveFilter, std::string(ScriptFile::Extension),
                                         std::string(ScriptFile::SaveTitle));
    // A switch to basic mode during the wait took the script along, and a
    // run or a recording begun meanwhile has the window: this window's
    // caption and path are not to change under it.
    if (!program_.WaitAfterDialog(*this, 200)) return;
    path = ScriptFile::WithExtension(path, ".ox");
    if (!mdlFile::IsValidFileName(path) || path.empty()) return;
    // The window names the file only once the script is in it.
    if (!SaveScript(program_, *this, path, txtLog.Text())) return;
    program_.Automation().ImageBaseFolder = mdlFile::GetFolder(path);
    SetCaption(ScriptFile::CaptionFor(path));
    program_.State().CurrentFilePath = path;
}

void frmMain::mnuFileCompile_Click() {
    std::string path = program_.ShowSave(*this, Compile::Filter, std::string(Compile::Extension),
                                         std::string(Compile::DialogTitle));
    // As in Save As: after a switch of mode, a run or a recording during
    // the wait, a question now would belong to no window.
    if (!program_.WaitAfterDialog(*this, 300)) return;
    path = ScriptFile::WithExtension(path, ".exe");
    if (!mdlFile::IsValidFileName(path)) {
        program_.MsgBox(*this, std::string(Compile::InvalidName), MB_OK | MB_ICONERROR,
                        std::string(Compile::ErrorTitle));
        return;
    }
    const int answer =
        program_.MsgBox(*this, std::string(Compile::RepeatQuestion), MB_YESNO, std::string(Compile::RepeatTitle));
    // A question that was not answered (another dialog was open) compiles nothing.
    if (answer != IDYES && answer != IDNO) return;
    const bool repeat = answer == IDYES;

    // The player is read first and the new executable is written whole
    // before it replaces the old one: a missing player or a failed write
    // leaves an existing file of that name as it was.
    std::string player;
    const bool havePlayer = FileAccess::ReadWholeFile(App().Path() + "\\" + std::string(Compile::PlayerFile), player);
    const auto executable = havePlayer ? Compile::BuildExecutable(player, repeat, txtLog.Text()) : std::nullopt;
    if (!executable || !FileAccess::ReplaceWholeFile(path, *executable)) {
        program_.MsgBox(*this, std::string(Compile::Failed), MB_OK | MB_ICONERROR, std::string(Compile::ErrorTitle));
        return;
    }
    program_.MsgBox(*this, std::string(Compile::Done), MB_OK | MB_ICONEXCLAMATION, std::string(Compile::DoneTitle));
}

// Find and replace

void frmMain::mnuEditFind_Click() {
    program_.Find().ShowInFront();
}

void frmMain::mnuEditFindNext_Click() {
    if (!program_.State().FindText.empty()) FindIt();
}

void frmMain::mnuEditReplace_Click() {
    program_.Replace().ShowInFront();
}

void frmMain::FindIt() {
    EditorState& state = program_.State();
    const int caret = txtLog.SelStart();
    if (state.FindText.empty()) {
        // An empty text is found wherever the caret is: nothing to select,
        // nothing to report.
        state.FindStart = caret;
        state.FindFreshStart = false;
        return;
    }
    // A search repeated from where the last one left the caret passes over
    // the match it selected.
    const bool skipCurrent = !state.FindFreshStart && state.FindStart == caret;
    const std::string text = txtLog.Text();
    const auto at = state.FindMatchCase
                        ? FindText::Search(text, state.FindText, state.FindDown, caret, skipCurrent)
                        : FindText::Search(Upper(text), Upper(state.FindText), state.FindDown, caret, skipCurrent);
    if (at) {
        txtLog.SetSelStart(static_cast<int>(*at));
        txtLog.SetSelLength(static_cast<int>(state.FindText.size()));
    } else {
        program_.MsgBox(*this, FindText::NotFoundMessage(state.FindText), MB_OK, App().Title());
    }
    state.FindStart = txtLog.SelStart();
    state.FindFreshStart = false;
}

// Debug

void frmMain::mnuScriptDebug_Click() {
    frmDebug& debug = program_.Debug();
    debug.ShowInFront();
    debug.GetNewDebug();
}

}  // namespace ombrelt::editor
