#pragma once
// The input recorder: every change of the mouse buttons, the pointer and the
// keys becomes one statement, with a "Pause(" line in front of it holding the
// milliseconds since the statement before. The windows own the timers and
// read the keyboard; everything they hand over is decided here.
//
// While recording, Ctrl+4 records the window under the pointer, Ctrl+5 a
// colour search for the colour under it, Ctrl+6 and Ctrl+7 toggle mouse moves
// and positioned clicks. None of them leaves a trace in the script: the Ctrl
// key-down is taken out again, the digit is never written, and the Ctrl
// key-up that follows is dropped.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "automation/AutomationState.h"
#include "automation/Desktop.h"

namespace ombrelt::editor {
struct EditorState;
}

namespace ombrelt::mdlRecord {

// Key states as GetKeyState gives them (bit 0x80 set: down), by virtual key.
using KeyboardState = std::array<std::uint8_t, 256>;

// The advanced window's line writer: the releases of Ctrl and 8 among the
// first two statements of a recording started with Ctrl+8 are dropped.
void AddRecordedLine(editor::EditorState& editor, Desktop& desktop, std::string_view statement);
// The basic window's line writer: no such rule.
void AddRecordedLineBasic(editor::EditorState& editor, Desktop& desktop, std::string_view statement);

// Takes the last Ctrl key-down line ("KeyDown(162);" for the left Ctrl,
// "KeyDown(163);" for the right one, of the sides asked for) out of the
// script; the "Pause(" line in front of it stays.
void RemoveLastCtrlKeyDown(std::string& scriptText, bool left = true, bool right = true);

#ifdef _WIN32
// The keyboard and mouse buttons as this program's input queue sees them
// now (GetKeyboardState: what GetKeyState gives key by key, in one call).
KeyboardState ReadKeyboard();
#endif

enum class LineWriter { Advanced, Basic };

// Starting a recording over a script asks first (Yes/No).
inline constexpr std::string_view ConfirmRecordingTitle = "Confirm Recording";
inline constexpr std::string_view ConfirmRecordingText =
    "There is an existing script open. If you record a new script Ombrelt will delete the existing script. "
    "Do you wish to continue?";
// Whether it asks: the advanced window whenever its box holds any text, the
// basic window not for the empty script template either.
bool AskBeforeRecording(std::string_view boxText, LineWriter window);

// One window's recorder (each main window has its own); the recording state
// it works on is shared through EditorState.
class Recorder {
public:
    Recorder(editor::EditorState& editor, AutomationState& automation, Desktop& desktop, LineWriter writer)
        : editor_(editor), automation_(automation), desktop_(desktop), writer_(writer) {}
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // Starts a recording (the window has asked and hidden itself): empty
    // script, counters reset, the keys down now taken as already pressed,
    // both stopwatches started, the pointer read, IsRecording set.
    void Begin(const KeyboardState& keys);
    // One poll of the buttons, the pointer and the keys.
    void Tick(const KeyboardState& keys);
    // The one-second timer: one more whole second, millisecond stopwatch restarted.
    void CountSecond();
    // Stop's part: IsRecording cleared and ScriptText made the finished
    // script (final pause, frame, the stopping Ctrl+0's key-down removed).
    // Does nothing when no recording runs.
    void Finish();

    // The window's own state. Button states keep their value from one
    // recording to the next.
    bool LeftState = false;
    bool RightState = false;
    bool MiddleState = false;
    Point Pointer;   // as last read
    Point LastMove;  // as last written by "MoveMouse(", or at the start
    std::int16_t PickedRed = 0, PickedGreen = 0, PickedBlue = 0;

private:
    void Write(std::string_view statement);
    void Buttons(const KeyboardState& keys);
    void MouseMove();
    bool Keys(const KeyboardState& keys);  // false: the tick ends here
    bool HotDigit(const KeyboardState& keys, int vk, bool ctrl);
    void ActOnHotKey(int vk);
    void RemoveHeldCtrlKeyDown();
    void PickColor();

    editor::EditorState& editor_;
    AutomationState& automation_;
    Desktop& desktop_;
    LineWriter writer_;
};

}  // namespace ombrelt::mdlRecord
