#pragma once
// The editor's run state: the program-wide values its windows share. The
// program owns one (editor::Program); a test makes a fresh one. Repeat,
// ignore pauses, the pause factor and the selected window are the engine's
// (AutomationState), shared with the scripts.
//
// Each part of the editor keeps its members in its own section.
#include <cstdint>
#include <string>

#include "editor/RecorderState.h"
#include "editor/Stopwatch.h"

namespace ombrelt::editor {

struct EditorState {
    // Script text: the script handed to the engine and built by the recorder.
    std::string ScriptText;

    // Settings (the other two flags are AutomationState::RepeatEnabled and
    // IgnorePauses).
    bool RecordMouseMoves = false;
    bool UseExtendedClicks = false;
    bool StartInBasicMode = false;
    bool FirstRun = false;  // no settings file was found at start-up

    // Recorder
    bool IsRecording = false;
    bool RecordStartedByHotkey = false;
    std::int32_t RecordSeconds = 0;  // also counted during timed runs
    mdlRecord::RecorderState Recorder;  // the recorder's own flags and key states

    // Stopwatches (recorder, time correction, White Debug)
    mdlTime::Stopwatches Stopwatches;

    // Playback
    bool IsPaused = false;
    // A run's tick (play, correction or White Debug timer of any window) is
    // inside the engine. Ticks pump messages, so another window's timer can
    // fire inside one; no second run starts until the first tick returns.
    bool RunTickActive = false;
    // Runs and recordings started (Play, Play Selection, Correct Time,
    // Record): a tick whose run has been replaced by a newer start leaves
    // the windows and text to it, and so does a command that waited.
    std::uint32_t Starts = 0;

    // Time correction
    double OriginalPlayTime = 0.0;
    std::string PausePercentText;

    // White Debug
    bool WhiteFromBasic = false;
    std::int64_t WhiteLineCount = 0;  // advanced by the engine's hooks

    // Basic mode
    std::int32_t PlayXCount = 0;
    std::int32_t PlayXDone = 0;
    // The basic-mode window is the one in use (routed to or switched to):
    // the advanced window's hot keys stay quiet even when it exists.
    bool BasicModeInUse = false;

    // One of the editor's questions or file dialogs is open (Program::MsgBox).
    bool DialogOpen = false;

    // Find and replace: the stored search, kept between searches.
    bool FindFreshStart = false;
    std::string FindText;
    bool FindMatchCase = false;
    bool FindDown = true;
    std::int32_t FindStart = 0;  // caret position when the last search began or ended

    // Script files: the path of the script last opened or saved, "" for a new one.
    std::string CurrentFilePath;
};

}  // namespace ombrelt::editor
