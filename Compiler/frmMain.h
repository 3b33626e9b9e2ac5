#pragma once
// The player's main form. It is never shown, so it has no window at all:
// under Wine a window costs the display driver's start-up, tens of
// milliseconds and megabytes before the first statement. Its timers are
// thread timers, and Form_Load does the whole start-up, the first run
// included.
#include <string>

#include "automation/AutomationState.h"
#include "automation/KeyPresses.h"
#include "engine/SC.h"
#include "forms/Application.h"
#include "forms/Timer.h"

namespace ombrelt::player {

// How the player ends (its process exit code); nobody sees it but tests.
enum ExitCode : int {
    Finished = 0,   // the script ran (once, or until Ctrl+0)
    NoPayload = 1,  // its own file holds no readable payload: nothing ran
    RunFailed = 2,  // a run ended in an error
};

class frmMain {
public:
    frmMain(forms::Application& app, AutomationState& state, SC& engine)
        : app_(app), state_(state), ScriptEngine(engine) {}
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // Returns only when the script is to repeat; otherwise the program ends.
    void Form_Load();

private:
    void tmrRepeat_Timer();
    void tmrInputs_Timer();
    void Run();

    forms::Application& app_;
    AutomationState& state_;
    SC& ScriptEngine;
    std::string PlayerScript;
    char PayloadRepeatFlag = '0';
    KeyPresses hotKeys_;  // what the Ctrl+0 poll saw of the keys

    forms::Timer tmrRepeat{[this] { tmrRepeat_Timer(); }, 1, false};
    forms::Timer tmrInputs{[this] { tmrInputs_Timer(); }, 1, true};
};

}  // namespace ombrelt::player
