#pragma once
// The advanced-mode window: the script editor txtLog with the File, Edit,
// Script and Help menus, and the hidden controls and timers that the
// recorder, playback and time correction drive.
//
// Handlers are split over files by subject: frmMain.cpp (the window, menus,
// edit commands, mode switch, settings, help, exit), frmMain_Files.cpp
// (files, find and replace, debug), frmMain_Record.cpp (the recorder),
// frmMain_Play.cpp (playback, hot keys, time correction).
#include <memory>

#include "editor/mdlRecord.h"
#include "editor/Playback.h"
#include "forms/Controls.h"
#include "forms/Font.h"
#include "forms/Form.h"
#include "forms/Menu.h"
#include "forms/Timer.h"

namespace ombrelt::editor {

class Program;

class frmMain : public forms::Form {
public:
    explicit frmMain(Program& program);

    // Runs once, right after creation (Program::Main does it): the manifest
    // check, then the empty script in txtLog (which loads the window).
    void Form_Initialize();

    // Controls
    forms::TextBox txtLog;
    forms::TextBox txtTemp, txtTemp2, txtTemp3;  // hidden scratch
    forms::PictureBox PicDest, PicEmpty;         // hidden
    forms::Timer tmrRecord;       // 1 ms, disabled
    forms::Timer tmrRecTime;      // 1000 ms, disabled
    forms::Timer tmrPlay;         // 1 ms, disabled
    forms::Timer tmrCorrectTime;  // 1 ms, disabled
    forms::Timer tmrInputs;       // 1 ms, enabled

    // Menus, in menu order; mnuSep* are separators.
    forms::MenuItem mnuFile, mnuNew, mnuSep1, mnuFileOpen, mnuFileSave, mnuFileSaveAs, mnuFileCompile, mnuSep2,
        mnuFileBasicMode, mnuSep3, mnuFileSettings, mnuSep4, mnuExit;
    forms::MenuItem mnuEdit, mnuEditCut, mnuEditCopy, mnuEditPaste, mnuEditDelete, mnuSep5, mnuEditFind,
        mnuEditFindNext, mnuEditReplace, mnuSep6, mnuEditSelectAll;
    forms::MenuItem mnuScript, mnuScriptPlay, mnuScriptPlaySelection, mnuSep7, mnuScriptRepeat, mnuSep8,
        mnuScriptRecord, mnuSep9, mnuScriptStop, mnuSep10, mnuScriptCorrectTime, mnuScriptDebug;
    forms::MenuItem mnuHelp, mnuHelpAbout, mnuSep11, mnuReadme;

    // --- Window, edit commands, mode switch, settings, help, exit (frmMain.cpp)
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void mnuEditDelete_Click();
    void mnuEditSelectAll_Click();
    void mnuFileBasicMode_Click();
    void mnuFileSettings_Click();
    void mnuHelpAbout_Click();
    void mnuReadme_Click();
    void mnuExit_Click();

    // --- Files, find and replace, debug (frmMain_Files.cpp)
    void mnuNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileCompile_Click();
    void mnuEditFind_Click();
    void mnuEditFindNext_Click();
    void mnuEditReplace_Click();
    void mnuScriptDebug_Click();
    void FindIt();

    // --- Recorder (frmMain_Record.cpp)
    void mnuScriptRecord_Click();
    // The common Stop: ends a run, a timed run and a recording, shows the window.
    void mnuScriptStop_Click();
    void StartRecording();
    // Stop's part for the recorder: a running recording is finished into txtLog.
    void StopRecording();
    void tmrRecord_Timer();
    void tmrRecTime_Timer();

    // --- Playback, hot keys and time correction (frmMain_Play.cpp)
    void mnuScriptPlay_Click();
    void mnuScriptPlaySelection_Click();
    void mnuScriptRepeat_Click();
    void mnuScriptCorrectTime_Click();
    void PauseScript();
    void tmrPlay_Timer();
    void tmrInputs_Timer();
    void tmrCorrectTime_Timer();

protected:
    forms::FormLayout Layout() const override;
    void Form_Load() override;
    void Form_Resize() override;
    bool Form_QueryUnload() override;

private:
    Program& program_;
    forms::Font logFont_;
    // The window's recorder, made on first use (frmMain_Record.cpp).
    mdlRecord::Recorder& Recorder();
    std::unique_ptr<mdlRecord::Recorder> recorder_;

    // New's work; false when the user keeps the current script (frmMain_Files.cpp).
    bool NewScript();
    // Stop without showing the window (frmMain_Record.cpp): Play and Record,
    // which hide it again at once, start with it, so that their hot keys
    // pressed in another program do not pull this window in front for a
    // moment.
    void EndRunAndRecording();

    // --- Playback (frmMain_Play.cpp)
    Playback playback_{program_, {*this, txtLog, tmrPlay, tmrInputs, tmrCorrectTime, tmrRecTime, false}};
};

}  // namespace ombrelt::editor
