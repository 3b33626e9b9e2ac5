#include "editor/mdlRecord.h"

#include <algorithm>
#include <climits>

#include "automation/mdlScreen.h"
#include "editor/EditCommands.h"
#include "editor/EditorState.h"
#include "editor/RecorderText.h"
#include "editor/Stopwatch.h"
#include "editor/WindowPicker.h"

namespace ombrelt::mdlRecord {
namespace {

constexpr int VkMiddleButton = 4;
constexpr int VkCtrl = 17;
constexpr int VkDigit0 = 48;
constexpr int VkDigit4 = 52;  // record the window under the pointer
constexpr int VkDigit5 = 53;  // record a colour search
constexpr int VkDigit6 = 54;  // toggle mouse moves
constexpr int VkDigit7 = 55;  // toggle positioned clicks
constexpr int VkLeftCtrl = 162;
constexpr int VkRightCtrl = 163;
constexpr int LastKey = 254;

bool Down(const KeyboardState& keys, int vk) { return (keys[vk] & 0x80) != 0; }

bool AnyHotDigitDown(const KeyboardState& keys) {
    for (int vk : {VkDigit0, VkDigit4, VkDigit5, VkDigit6, VkDigit7})
        if (Down(keys, vk)) return true;
    return false;
}

bool IsCtrlKeyUp(std::string_view statement) {
    return statement == "KeyUp(162);" || statement == "KeyUp(163);";
}

bool IsHotkeyStartRelease(std::string_view statement) {
    return statement == "KeyUp(56);" || IsCtrlKeyUp(statement);
}

void WriteLine(editor::EditorState& editor, Desktop& desktop, std::string_view statement, bool dropHotkeyStart) {
    RecorderState& rec = editor.Recorder;
    if (rec.RecordLineCount < INT32_MAX) ++rec.RecordLineCount;
    // Only the Ctrl key-up of a hot key is dropped: a click or a move made
    // while Ctrl is still held belongs to the recording.
    if (rec.SkipNextLine && IsCtrlKeyUp(statement)) {
        rec.SkipNextLine = false;
        return;
    }
    // A recording started with Ctrl+8 drops the releases of Ctrl and 8 among
    // its first two statements; when they were released before it began
    // (while the confirmation was up), the user's own first statements stay.
    if (dropHotkeyStart && editor.RecordStartedByHotkey && rec.RecordLineCount <= 2 &&
        IsHotkeyStartRelease(statement))
        return;
    editor.ScriptText += PauseLine(mdlTime::GetPauseTime(editor.Stopwatches, desktop));
    editor.ScriptText += statement;
    editor.ScriptText += CRLF;
    mdlTime::StartPauseTimer(editor.Stopwatches, desktop);
}

// Where the last line that is exactly statement starts (it must be followed
// by its line break); npos when there is none. The same text inside a window
// title is not a line of its own and is never taken.
std::size_t LastLine(const std::string& text, std::string_view statement) {
    for (std::size_t pos = text.rfind(statement); pos != std::string::npos;
         pos = pos == 0 ? std::string::npos : text.rfind(statement, pos - 1)) {
        bool followed = pos + statement.size() < text.size();
        bool startsLine = pos == 0 || text[pos - 1] == '\n';
        if (followed && startsLine) return pos;
    }
    return std::string::npos;
}

}  // namespace

void AddRecordedLine(editor::EditorState& editor, Desktop& desktop, std::string_view statement) {
    WriteLine(editor, desktop, statement, true);
}

void AddRecordedLineBasic(editor::EditorState& editor, Desktop& desktop, std::string_view statement) {
    WriteLine(editor, desktop, statement, false);
}

void RemoveLastCtrlKeyDown(std::string& scriptText, bool left, bool right) {
    constexpr std::string_view Right = "KeyDown(163);", Left = "KeyDown(162);";
    std::size_t r = right ? LastLine(scriptText, Right) : std::string::npos;
    std::size_t l = left ? LastLine(scriptText, Left) : std::string::npos;
    std::size_t pos = r == std::string::npos ? l : l == std::string::npos ? r : std::max(r, l);
    if (pos != std::string::npos) scriptText.erase(pos, Right.size() + CRLF.size());
}

bool AskBeforeRecording(std::string_view boxText, LineWriter window) {
    if (boxText.empty()) return false;
    return window == LineWriter::Advanced || boxText != editor::EmptyScript;
}

void Recorder::Begin(const KeyboardState& keys) {
    RecorderState& rec = editor_.Recorder;
    editor_.ScriptText.clear();
    rec.RecordLineCount = 0;
    editor_.RecordSeconds = 0;
    rec.SkipNextLine = false;
    rec.ColorPickLatch = false;
    rec.HotKeyLatch.fill(false);
    // Keys held now produce only their key-up. 0, 1, 2, 4 and 255 are not
    // keys the scan writes.
    for (int vk = 3; vk <= LastKey; ++vk)
        if (vk != VkMiddleButton) rec.KeyStates[vk] = Down(keys, vk);
    mdlTime::StartPauseTimer(editor_.Stopwatches, desktop_);
    mdlTime::StartMillisecondTimer(editor_.Stopwatches, desktop_);
    Pointer = desktop_.GetCursorPos();
    LastMove = Pointer;
    editor_.IsRecording = true;
    ++editor_.Starts;
}

void Recorder::Tick(const KeyboardState& keys) {
    Buttons(keys);
    if (editor_.RecordMouseMoves) MouseMove();
    Keys(keys);
}

void Recorder::CountSecond() {
    ++editor_.RecordSeconds;
    mdlTime::StartMillisecondTimer(editor_.Stopwatches, desktop_);
}

void Recorder::Finish() {
    if (!editor_.IsRecording) return;
    std::uint32_t pause = mdlTime::GetPauseTime(editor_.Stopwatches, desktop_);
    std::uint32_t milliseconds = mdlTime::GetMilliseconds(editor_.Stopwatches, desktop_);
    editor_.IsRecording = false;
    editor_.ScriptText += PauseLine(pause);
    editor_.ScriptText = RecordedScript(editor_.ScriptText, editor_.RecordSeconds, milliseconds);
    // The Ctrl key-down of the Ctrl+0 that stopped the recording.
    RemoveHeldCtrlKeyDown();
}

void Recorder::Write(std::string_view statement) {
    WriteLine(editor_, desktop_, statement, writer_ == LineWriter::Advanced);
}

void Recorder::Buttons(const KeyboardState& keys) {
    struct Button {
        int vk;
        MouseButton button;
        bool Recorder::*state;
    };
    static constexpr Button buttons[] = {{1, MouseButton::Left, &Recorder::LeftState},
                                         {2, MouseButton::Right, &Recorder::RightState},
                                         {VkMiddleButton, MouseButton::Middle, &Recorder::MiddleState}};
    for (const Button& b : buttons) {
        bool down = Down(keys, b.vk);
        bool& state = this->*b.state;
        if (down == state) continue;
        Pointer = desktop_.GetCursorPos();
        Write(ButtonStatement(b.button, down, editor_.UseExtendedClicks, Pointer));
        state = down;
    }
}

void Recorder::MouseMove() {
    Pointer = desktop_.GetCursorPos();
    // Both coordinates must have changed: a move along one axis waits.
    if (Pointer.x == LastMove.x || Pointer.y == LastMove.y) return;
    Write(MoveMouseStatement(Pointer));
    LastMove = Pointer;
}

bool Recorder::Keys(const KeyboardState& keys) {
    const bool ctrl = Down(keys, VkCtrl);
    for (int vk = 3; vk <= LastKey; ++vk) {
        if (vk == VkMiddleButton || vk == VkCtrl) continue;
        bool down = Down(keys, vk);
        bool& entry = editor_.Recorder.KeyStates[vk];
        switch (vk) {
        case VkDigit0:
            // Ctrl+0 is the stop key of the hot-key timer.
            if (down != entry && ctrl) return false;
            break;
        case VkDigit4:
        case VkDigit5:
        case VkDigit6:
        case VkDigit7:
            if (!HotDigit(keys, vk, ctrl)) return false;
            continue;
        case VkLeftCtrl:
        case VkRightCtrl:
            // Held back while a hot digit is down, so that it comes after
            // the hot key has acted and is dropped.
            if (!down && entry && AnyHotDigitDown(keys)) continue;
            break;
        default:
            break;
        }
        if (down != entry) {
            Write(KeyStatement(vk, down));
            entry = down;
        }
    }
    return true;
}

// Digits 4 to 7: plain keys without Ctrl, hot keys with it. False ends the tick.
bool Recorder::HotDigit(const KeyboardState& keys, int vk, bool ctrl) {
    RecorderState& rec = editor_.Recorder;
    bool down = Down(keys, vk);
    bool& entry = rec.KeyStates[vk];
    bool& latch = vk == VkDigit5 ? rec.ColorPickLatch : rec.HotKeyLatch[vk];
    if (!down) latch = false;
    if (down && !entry) {
        // A hot key acts once per press; the rest of the press, with or
        // without Ctrl, is never written.
        if (latch) return !ctrl;
        if (!ctrl) {
            Write(KeyStatement(vk, true));
            entry = true;
            return true;
        }
        ActOnHotKey(vk);
        latch = true;
        return false;
    }
    if (!down && entry) {
        if (ctrl) return false;  // pressed before Ctrl: its key-up waits for Ctrl to go
        Write(KeyStatement(vk, false));
        entry = false;
    }
    return true;
}

void Recorder::ActOnHotKey(int vk) {
    RemoveHeldCtrlKeyDown();
    switch (vk) {
    case VkDigit4:
        Write(BuildSelectWindowScript(automation_, desktop_));
        break;
    case VkDigit5:
        PickColor();
        break;
    case VkDigit6:
        editor_.RecordMouseMoves = !editor_.RecordMouseMoves;
        break;
    case VkDigit7:
        editor_.UseExtendedClicks = !editor_.UseExtendedClicks;
        break;
    default:
        break;
    }
    editor_.Recorder.SkipNextLine = true;
}

// Takes out the key-down of the Ctrl that is held with a hot key: the last
// one written of a Ctrl side that the script has down. A Ctrl key-down of an
// earlier, finished shortcut is never touched, nor, while SkipNextLine waits
// for this hold's key-up, anything when an earlier hot key of the same hold
// has taken it out already.
void Recorder::RemoveHeldCtrlKeyDown() {
    const RecorderState& rec = editor_.Recorder;
    if (rec.SkipNextLine) return;
    bool left = rec.KeyStates[VkLeftCtrl], right = rec.KeyStates[VkRightCtrl];
    if (left || right) RemoveLastCtrlKeyDown(editor_.ScriptText, left, right);
}

void Recorder::PickColor() {
    mdlScreen::CaptureScreen(automation_, desktop_, "sstemp");
    automation_.CursorPoint = desktop_.GetCursorPos();
    const PixelBuffer& screen = automation_.TempCaptureBuffer;
    const Point at = automation_.CursorPoint;
    // A pointer outside the captured screen (another monitor) has no colour
    // to pick, so nothing is written.
    if (!screen.Contains(at.x, at.y)) return;
    std::uint32_t pixel = screen.At(at.x, at.y);
    PickedRed = static_cast<std::int16_t>((pixel >> 16) & 0xFF);
    PickedGreen = static_cast<std::int16_t>((pixel >> 8) & 0xFF);
    PickedBlue = static_cast<std::int16_t>(pixel & 0xFF);
    Write(CaptureStatement);
    Write(ColorRangeStatement(PickedRed, PickedGreen, PickedBlue));
    Write(MoveToColorStatement);
}

}  // namespace ombrelt::mdlRecord
