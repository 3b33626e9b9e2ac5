#pragma once
// The run control that the advanced-mode and basic-mode windows share: a run
// handed to the engine one whole run per tick of the window's play timer, the
// pause, and the time correction (the White Debug question, the hidden timed
// run, the rewrite of SetPausePercent and the result message). Each window
// keeps one and wires its own handlers to it.
#include <cstdint>
#include <string>

#include "editor/HotKeys.h"

namespace ombrelt::forms {
class Form;
class TextBox;
class Timer;
}  // namespace ombrelt::forms

namespace ombrelt::editor {

class Program;

// The parts of a window that the run control drives.
struct PlayWindow {
    forms::Form& Window;
    forms::TextBox& txtLog;
    forms::Timer& tmrPlay;
    forms::Timer& tmrInputs;
    forms::Timer& tmrCorrectTime;
    forms::Timer& tmrRecTime;
    bool IsBasic;  // the basic-mode window (for the White Debug window's return)
};

class Playback {
public:
    Playback(Program& program, PlayWindow window) : program_(program), w_(window) {}
    Playback(const Playback&) = delete;
    Playback& operator=(const Playback&) = delete;

    // Play's first step: a paused run goes on (the play timer runs again,
    // nothing else changes). False when no run was paused.
    bool ResumePaused();
    // A new plain run of the script: execute type 0, the engine initialised,
    // the window hidden, the play timer on. False when the engine refused
    // the script: nothing runs.
    bool Start(const std::string& script);
    // Ctrl+1: the play timer off, the engine paused, the run marked paused.
    void Pause();
    // One tick of the play timer: one whole run. True when the end of the
    // run is this tick's to handle (stop or repeat); false when a Play or a
    // recording was started during the run and has taken over, or when
    // another run's tick is still under way (the timer tries again).
    bool RunOnce();

    // Correct Time after the window's Stop: takes the text, asks about the
    // White Debug mode and starts the chosen run.
    void CorrectTime();
    // The hidden timed run (the first tick of the window's correction timer).
    void TimedRun();

    // The window's hot keys (Ctrl+0 stop, Ctrl+1 pause, Ctrl+8 record,
    // Ctrl+9 play) read from the keyboard. Record and Play start nothing
    // while a recording runs or one of the editor's dialogs is open.
    void PollHotKeys(HotKeys::Actions actions);

private:
    Program& program_;
    PlayWindow w_;
};

// Enables a timer with an interval of 1 ms.
void RunEveryMillisecond(forms::Timer& timer);
// Disables a timer and sets its interval to 0 (how windows hand the hot keys
// and the play timer over).
void SwitchOff(forms::Timer& timer);

}  // namespace ombrelt::editor
