#pragma once
// The basic-mode window: big buttons to record, save, open, correct and play
// a script that the user never sees (it is held in a hidden text box), the
// play options (once, repeatedly, a number of times) and the recording
// options. Advanced Mode hands the script to the advanced-mode window.
#include <memory>

#include "editor/Playback.h"
#include "editor/mdlRecord.h"
#include "forms/Controls.h"
#include "forms/Font.h"
#include "forms/Form.h"
#include "forms/Timer.h"

namespace ombrelt::editor {

class Program;

class frmBasic : public forms::Form {
public:
    explicit frmBasic(Program& program);

    // Runs once, right after creation (Program::Basic does it): the empty
    // script template in txtLog.
    void Form_Initialize();

    forms::Frame fraMain;
    forms::CommandButton cmdRecord, cmdSave, cmdOpen, cmdAdvanced, cmdCorrectTime, cmdPlay;
    forms::Frame fraPlay;
    forms::OptionButton optPlayOnce, optRepeat, optPlayX;
    forms::TextBox txtPlayX;
    forms::Frame fraRecordOptions;
    forms::CheckBox chkMM, chkEx;
    forms::Frame fraHelp;
    forms::CommandButton cmdAbout, cmdReadme;
    forms::TextBox txtLog;            // hidden: the script
    forms::Timer tmrPlay;             // 1 ms, disabled
    forms::Timer tmrCorrectTime;      // 1 ms, disabled
    forms::Timer tmrRecord;           // 1 ms, disabled
    forms::Timer tmrInputs;           // 1 ms, running
    forms::Timer tmrRecTime;          // 1000 ms, disabled

    void chkMM_Click();
    void chkEx_Click();
    void optPlayOnce_Click();
    void optRepeat_Click();
    void optPlayX_Click();
    void cmdPlay_Click();
    void tmrPlay_Timer();
    void tmrInputs_Timer();
    void PauseScript();
    void cmdCorrectTime_Click();
    void tmrCorrectTime_Timer();
    void cmdRecord_Click();
    void tmrRecord_Timer();
    void tmrRecTime_Timer();
    void StopAll();
    void cmdOpen_Click();
    void cmdSave_Click();
    void SaveScript();
    void cmdAdvanced_Click();
    void cmdAbout_Click();
    void cmdReadme_Click();

protected:
    forms::FormLayout Layout() const override;
    void Form_Load() override;
    bool Form_QueryUnload() override;

private:
    mdlRecord::Recorder& Recorder();
    // StopAll without showing the window, for Play and Record, which hide
    // it again at once: their hot keys pressed in another program do not
    // pull this window in front for a moment.
    void EndRunAndRecording();

    Program& program_;
    forms::Font font_;
    std::unique_ptr<mdlRecord::Recorder> recorder_;
    Playback playback_{program_, {*this, txtLog, tmrPlay, tmrInputs, tmrCorrectTime, tmrRecTime, true}};
};

}  // namespace ombrelt::editor
