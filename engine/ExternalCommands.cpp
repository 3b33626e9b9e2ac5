// Desktop commands: mouse, keys, programs, windows, pauses and the switches of
// the shared state. Every step runs under RunStep: a step that fails (a
// conversion, a primitive, the platform) is skipped and the command goes on,
// so a desktop command never ends a run.
#include <algorithm>

#include "automation/Convert.h"
#include "automation/ScriptError.h"
#include "automation/mdlControls.h"
#include "automation/mdlTime.h"
#include "engine/CommandIds.h"
#include "engine/CommandParams.h"
#include "engine/SC.h"
#include "engine/ScreenCommands.h"

namespace ombrelt {
namespace {

namespace Id = CommandId;

// The largest piece of a long "pause": longer pauses are cut into waits of
// at most this many milliseconds.
constexpr std::int32_t PausePiece = 9999;

const char* NameOrAny(const std::string& name) { return name.empty() ? nullptr : name.c_str(); }

void RunPause(SC& sc, std::int32_t id, CommandParams& p) {
    AutomationState& state = sc.State();
    Desktop& desktop = sc.Host();
    if (state.IgnorePauses) return;
    p.Resolve(1);
    // The gate: below 1 (rounded), or not a 32-bit number, waits not at all.
    // Recorded idle gaps can be far longer than 32767 ms and must replay.
    bool skip = true;
    RunStep([&] { skip = Convert::ToInt32(p[1]) < 1; });
    if (skip) return;
    std::int32_t n = 0;
    if (!RunStep([&] { n = Convert::RoundToInt32(Convert::ToDouble(p[1]) * state.PauseFactor); })) return;
    // A run that is stopped or paused during the pause does not sit out the
    // rest of it: the wait ends and the run stops before its next statement.
    const WaitStop stopped = [&sc] { return !sc.IsRunning; };
    switch (id) {
        case Id::Pause:
            if (n <= PausePiece) {
                RunStep([&] { desktop.Wait(n, stopped); });
            } else {
                for (std::int64_t i = 0; i <= n && !stopped(); i += PausePiece) {
                    auto piece = static_cast<std::int32_t>(std::min<std::int64_t>(n - i, PausePiece));
                    RunStep([&] { desktop.Wait(piece, stopped); });
                }
            }
            break;
        case Id::PauseS: RunStep([&] { mdlTime::PauseSeconds(desktop, n, stopped); }); break;
        case Id::PauseM: RunStep([&] { mdlTime::PauseMinutes(desktop, n, stopped); }); break;
        case Id::PauseH: RunStep([&] { mdlTime::PauseHours(desktop, n, stopped); }); break;
        default: break;
    }
}

void RunSetPausePercent(SC& sc, CommandParams& p) {
    p.Resolve(1);
    switch (sc.ExecuteType) {
        case 0:
            if (Convert::IsNumeric(p[1]))
                RunStep([&] { sc.State().PauseFactor = Convert::ToDouble(p[1]) / 100.0; });
            break;
        case 1:
        case 2:
            // Timed runs keep the factor; the editor takes the percentage.
            if (sc.PausePercentHook) RunStep([&] { sc.PausePercentHook(p[1], sc.ExecuteType); });
            break;
        default: break;
    }
}

void RunStartEx(SC& sc, CommandParams& p) {
    p.Resolve(3);
    std::int32_t show = 0;
    if (p[3] == "normal") show = 1;
    else if (p[3] == "minimized") show = 2;
    else if (p[3] == "maximized") show = 3;
    if (show == 0) return;
    RunStep([&] { mdlControls::StartEx(sc.Host(), p[1], "", p[2], show); });
}

using AtCursor = void (*)(Desktop&, AutomationState&);
using AtPoint = void (*)(Desktop&, AutomationState&, std::string&, std::string&);

AtCursor ButtonAtCursor(std::int32_t id) {
    switch (id) {
        case Id::LeftDown: return mdlControls::LeftDown;
        case Id::LeftUp: return mdlControls::LeftUp;
        case Id::LeftClick: return mdlControls::LeftClick;
        case Id::RightDown: return mdlControls::RightDown;
        case Id::RightUp: return mdlControls::RightUp;
        case Id::RightClick: return mdlControls::RightClick;
        case Id::MiddleDown: return mdlControls::MiddleDown;
        case Id::MiddleUp: return mdlControls::MiddleUp;
        case Id::MiddleClick: return mdlControls::MiddleClick;
        default: return nullptr;
    }
}

AtPoint ButtonAtPoint(std::int32_t id) {
    switch (id) {
        case Id::LeftDownEx: return mdlControls::LeftDownEx;
        case Id::LeftUpEx: return mdlControls::LeftUpEx;
        case Id::RightDownEx: return mdlControls::RightDownEx;
        case Id::RightUpEx: return mdlControls::RightUpEx;
        case Id::MiddleDownEx: return mdlControls::MiddleDownEx;
        case Id::MiddleUpEx: return mdlControls::MiddleUpEx;
        default: return nullptr;
    }
}

void Run(SC& sc, std::int32_t id, CommandParams& p) {
    AutomationState& state = sc.State();
    Desktop& desktop = sc.Host();

    if (AtCursor button = ButtonAtCursor(id)) {
        RunStep([&] { button(desktop, state); });
        return;
    }
    if (AtPoint button = ButtonAtPoint(id)) {
        p.Resolve(2);
        RunStep([&] { button(desktop, state, p[1], p[2]); });
        return;
    }
    switch (id) {
        case Id::MsgBox:
            p.Resolve(1);
            // No title of its own: the application's title, which is empty.
            RunStep([&] { desktop.MessageBox(p[1], "", 0); });
            break;
        case Id::Pause:
        case Id::PauseS:
        case Id::PauseM:
        case Id::PauseH: RunPause(sc, id, p); break;
        case Id::KeyUp:
            p.Resolve(1);
            RunStep([&] { mdlControls::KeyUp(desktop, state, Convert::ToByte(p[1])); });
            break;
        case Id::KeyDown:
            p.Resolve(1);
            RunStep([&] { mdlControls::KeyDown(desktop, state, Convert::ToByte(p[1])); });
            break;
        case Id::Start:
            p.Resolve(1);
            RunStep([&] { mdlControls::Start(desktop, p[1], "", ""); });
            break;
        case Id::StartEx: RunStartEx(sc, p); break;
        case Id::SendKeys:
            // Always real input, whatever window is selected.
            p.Resolve(1);
            RunStep([&] { desktop.SendKeys(p[1]); });
            break;
        case Id::MoveMouse:
            p.Resolve(2);
            RunStep([&] { desktop.SetCursorPos(Convert::ToInt32(p[1]), Convert::ToInt32(p[2])); });
            break;
        case Id::FindWindow:
            // A failed search clears the selection: commands fall back to real input.
            p.Resolve(2);
            RunStep([&] { state.SelectedWindow = desktop.FindWindow(NameOrAny(p[1]), NameOrAny(p[2])); });
            break;
        case Id::FindWindowEx:
            p.Resolve(1);
            RunStep([&] { state.SelectedWindow = desktop.FindWindowEx(state.SelectedWindow, NameOrAny(p[1])); });
            break;
        case Id::IgnorePauses:
            p.Resolve(1);
            state.IgnorePauses = p[1] == "true";
            break;
        case Id::SetPausePercent: RunSetPausePercent(sc, p); break;
        case Id::DeselectWindow: state.SelectedWindow = 0; break;
        case Id::EnableRepeat: state.RepeatEnabled = true; break;
        case Id::DisableRepeat: state.RepeatEnabled = false; break;
        case Id::FirstFindMode: state.FirstFindMode = true; break;
        case Id::RandomFindMode: state.FirstFindMode = false; break;
        case Id::MoveMouseToCenterScreen:
            // No script word leads here; kept for the command's ID.
            RunStep([&] {
                auto [cx, cy] = CentreOfScreen(desktop);
                desktop.SetCursorPos(Convert::RoundToInt32(cx), Convert::RoundToInt32(cy));
            });
            break;
        default: RunScreenCommand(sc, id, p); break;  // and nothing for any other ID
    }
}

}  // namespace

void SC::ExecuteExternalFunction(std::int32_t id, std::int32_t line) {
    if (id < 100 || id > 157) return;
    try {
        CommandParams params(*this, line);
        Run(*this, id, params);
    } catch (...) {
        // A desktop command never ends the run.
    }
}

}  // namespace ombrelt
