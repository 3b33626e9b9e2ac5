// The recorder's tick, line writers and finish, driven with a scripted
// keyboard and pointer.
#include <gtest/gtest.h>

#include <string>

#include "editor/EditorState.h"
#include "editor/mdlRecord.h"
#include "support/FakeDesktop.h"

namespace ombrelt::mdlRecord {
namespace {

constexpr int Ctrl = 17, LCtrl = 162, RCtrl = 163;

class EditorRecorder : public ::testing::Test {
protected:
    editor::EditorState editor;
    AutomationState automation;
    testing::FakeDesktop desktop;
    KeyboardState keys{};

    void Press(int vk) { keys[vk] = 0x80; }
    void Release(int vk) { keys[vk] = 0; }
    // Ctrl goes down as the system reports it: generic and left key together.
    void CtrlDown() { Press(Ctrl), Press(LCtrl); }
    void CtrlUp() { Release(Ctrl), Release(LCtrl); }
    void Tick(Recorder& r, std::uint32_t afterMs = 10) {
        desktop.Ticks += afterMs;
        r.Tick(keys);
    }
    // The recorded lines after the four header lines, without the final
    // empty line and "EndFunction();".
    std::string Body() const {
        const std::string& s = editor.ScriptText;
        std::size_t start = 0;
        for (int i = 0; i < 4; ++i) start = s.find("\r\n", start) + 2;
        return s.substr(start, s.size() - start - std::string("\r\nEndFunction();").size());
    }
};

TEST_F(EditorRecorder, APlainClickAndTheWholeScript) {
    editor.UseExtendedClicks = false;
    editor.RecordMouseMoves = false;
    Recorder r(editor, automation, desktop, LineWriter::Advanced);
    desktop.Ticks = 1000;
    r.Begin(keys);
    EXPECT_TRUE(editor.IsRecording);
    Press(1);
    Tick(r, 120);
    Release(1);
    Tick(r, 80);
    Tick(r, 10);  // nothing changed
    desktop.Ticks += 1200;
    r.CountSecond();
    desktop.Ticks += 7;
    r.Finish();
    EXPECT_FALSE(editor.IsRecording);
    EXPECT_EQ(editor.ScriptText,
              "Function(Main);\r\nOrigionalPlayTime(1.007);\r\nSetPausePercent(100);\r\n\r\n"
              "Pause(120);\r\nLeftDown();\r\nPause(80);\r\nLeftUp();\r\nPause(1217);\r\n\r\nEndFunction();");
    r.Finish();  // no recording runs: nothing changes
    EXPECT_EQ(editor.ScriptText.rfind("EndFunction();"), editor.ScriptText.size() - 14);
}

TEST_F(EditorRecorder, PositionedButtonsAndMovesOnBothAxes) {
    editor.UseExtendedClicks = true;
    editor.RecordMouseMoves = true;
    Recorder r(editor, automation, desktop, LineWriter::Basic);
    desktop.Cursor = {100, 100};
    r.Begin(keys);
    desktop.Cursor = {150, 100};  // horizontal only: nothing yet
    Tick(r);
    desktop.Cursor = {200, 100};
    Tick(r);
    desktop.Cursor = {210, 101};
    Press(2);
    Tick(r);
    Release(2);
    Press(4);
    Tick(r);
    r.Finish();
    EXPECT_EQ(Body(),
              "Pause(30);\r\nRightDownEx(210,101);\r\nPause(0);\r\nMoveMouse(210,101);\r\n"
              "Pause(10);\r\nRightUpEx(210,101);\r\nPause(0);\r\nMiddleDownEx(210,101);\r\nPause(0);\r\n");
    // Button states stay with the window: a new recording with the middle
    // button still down writes nothing for it.
    r.Begin(keys);
    Tick(r);
    r.Finish();
    EXPECT_EQ(Body(), "Pause(10);\r\n");
}

TEST_F(EditorRecorder, KeysInScanOrderAndKeysHeldAtTheStart) {
    Recorder r(editor, automation, desktop, LineWriter::Advanced);
    editor.RecordMouseMoves = false;
    Press(90);  // held before the recording
    r.Begin(keys);
    Press(16), Press(160), Press(65);
    Tick(r, 5);
    Release(65), Release(16), Release(160), Release(90);
    Tick(r, 5);
    Press(3), Press(254), Press(255), Press(17);  // 255 and the generic Ctrl are never written
    Tick(r, 5);
    r.Finish();
    EXPECT_EQ(Body(),
              "Pause(5);\r\nKeyDown(16);\r\nPause(0);\r\nKeyDown(65);\r\nPause(0);\r\nKeyDown(160);\r\n"
              "Pause(5);\r\nKeyUp(16);\r\nPause(0);\r\nKeyUp(65);\r\nPause(0);\r\nKeyUp(90);\r\nPause(0);\r\nKeyUp(160);\r\n"
              "Pause(5);\r\nKeyDown(3);\r\nPause(0);\r\nKeyDown(254);\r\nPause(0);\r\n");
}

TEST_F(EditorRecorder, HotKeysActOncePerPressAndLeaveNoTrace) {
    editor.RecordMouseMoves = true;
    editor.UseExtendedClicks = false;
    Recorder r(editor, automation, desktop, LineWriter::Advanced);
    r.Begin(keys);
    CtrlDown();
    Tick(r);
    for (int vk : {54, 55}) {  // Ctrl+6, Ctrl+7, each held for several ticks
        Press(vk);
        Tick(r), Tick(r), Tick(r);
        Release(vk);
        Tick(r);
    }
    EXPECT_FALSE(editor.RecordMouseMoves);
    EXPECT_TRUE(editor.UseExtendedClicks);
    Press(54);  // Ctrl+6 again: back to the first value
    Tick(r), Tick(r);
    Release(54);
    Tick(r);
    EXPECT_TRUE(editor.RecordMouseMoves);
    CtrlUp();
    Tick(r);
    Press(65);
    Tick(r);
    r.Finish();
    // Every Ctrl key-down, digit and the Ctrl key-up are gone; the time is
    // counted into the next statement written.
    EXPECT_EQ(Body(), "Pause(10);\r\nPause(130);\r\nKeyDown(65);\r\nPause(0);\r\n");
}

TEST_F(EditorRecorder, CtrlFourWritesTheWindowPickerText) {
    editor.RecordMouseMoves = false;
    Recorder r(editor, automation, desktop, LineWriter::Advanced);
    r.Begin(keys);
    CtrlDown();
    Tick(r);
    Press(52);
    Tick(r), Tick(r);
    Release(52);
    Tick(r);
    CtrlUp();
    Tick(r);
    r.Finish();
    // No window under the pointer in the fake: the empty picker line, then
    // the line break of the statement itself.
    EXPECT_EQ(Body(), "Pause(10);\r\nPause(10);\r\nSelectWindow(\"\", \"\");\r\n\r\nPause(30);\r\n");
}

TEST_F(EditorRecorder, CtrlFivePicksTheColourUnderThePointer) {
    editor.RecordMouseMoves = false;
    desktop.ScreenImage.Resize(4, 4);
    desktop.ScreenImage.Pixels[1 * 4 + 2] = 0x00102030;
    desktop.ScreenImage.Pixels[3 * 4 + 3] = 0x00AABBCC;
    Recorder r(editor, automation, desktop, LineWriter::Basic);
    r.Begin(keys);
    desktop.Cursor = {2, 1};
    CtrlDown();
    Tick(r);
    Press(53);
    Tick(r), Tick(r);  // held: acts once
    Release(53);
    Tick(r);
    desktop.Cursor = {3, 3};
    Press(53);  // Ctrl still held: acts again, no Ctrl key-down left to remove
    Tick(r);
    Release(53);
    Tick(r);
    desktop.Cursor = {9, 9};  // outside the screen: nothing to pick
    Press(53);
    Tick(r);
    Release(53);
    Tick(r);
    CtrlUp();
    Tick(r);
    r.Finish();
    EXPECT_EQ(automation.CursorPoint, (Point{9, 9}));
    EXPECT_EQ(r.PickedRed, 0xAA);
    EXPECT_EQ(Body(),
              "Pause(10);\r\n"
              "Pause(10);\r\nCaptureScreen(imagesave0);\r\n"
              "Pause(0);\r\nCreateColorRange(colorrange0, 16, 48, 32, 16, 48, 32);\r\n"
              "Pause(0);\r\nMoveMouseToColorRange(imagesave0, colorrange0);\r\n"
              "Pause(30);\r\nCaptureScreen(imagesave0);\r\n"
              "Pause(0);\r\nCreateColorRange(colorrange0, 170, 204, 187, 170, 204, 187);\r\n"
              "Pause(0);\r\nMoveMouseToColorRange(imagesave0, colorrange0);\r\n"
              "Pause(40);\r\n");
}

TEST_F(EditorRecorder, WorkDoneWhileCtrlIsStillHeldIsKept) {
    editor.RecordMouseMoves = false;
    editor.UseExtendedClicks = false;
    Recorder r(editor, automation, desktop, LineWriter::Advanced);
    r.Begin(keys);
    // A recorded Ctrl+C with the right Ctrl first.
    Press(Ctrl), Press(RCtrl), Press(67);
    Tick(r);
    Release(67), Release(Ctrl), Release(RCtrl);
    Tick(r);
    // Ctrl+7, then a click before Ctrl goes up.
    CtrlDown();
    Tick(r);
    Press(55);
    Tick(r);
    Release(55);
    Tick(r);
    Press(1);
    Tick(r);
    Release(1);
    Tick(r);
    CtrlUp();
    Tick(r);
    r.Finish();
    EXPECT_EQ(Body(),
              "Pause(10);\r\nKeyDown(67);\r\nPause(0);\r\nKeyDown(163);\r\n"
              "Pause(10);\r\nKeyUp(67);\r\nPause(0);\r\nKeyUp(163);\r\n"
              "Pause(10);\r\n"
              "Pause(30);\r\nLeftDownEx(0,0);\r\nPause(10);\r\nLeftUpEx(0,0);\r\nPause(10);\r\n");
}

TEST_F(EditorRecorder, ADigitPressedBeforeCtrlIsAPlainKey) {
    editor.RecordMouseMoves = false;
    Recorder r(editor, automation, desktop, LineWriter::Advanced);
    r.Begin(keys);
    Press(52);
    Tick(r);
    CtrlDown();
    Tick(r);
    Release(52);  // released under Ctrl: the key-up waits
    Tick(r);
    Tick(r);
    CtrlUp();
    Tick(r);
    r.Finish();
    EXPECT_EQ(Body(),
              "Pause(10);\r\nKeyDown(52);\r\nPause(10);\r\nKeyDown(162);\r\n"
              "Pause(30);\r\nKeyUp(52);\r\nPause(0);\r\nKeyUp(162);\r\nPause(0);\r\n");
}

TEST_F(EditorRecorder, AHotKeyStartDropsTheFirstTwoLinesOnlyInTheAdvancedWindow) {
    editor.RecordMouseMoves = false;
    for (LineWriter writer : {LineWriter::Advanced, LineWriter::Basic}) {
        editor.RecordStartedByHotkey = true;
        Recorder r(editor, automation, desktop, writer);
        keys = {};
        CtrlDown(), Press(56);  // Ctrl+8 still held as the recording begins
        r.Begin(keys);
        Release(56);
        Tick(r);
        CtrlUp();
        Tick(r);
        Press(65);
        Tick(r);
        r.Finish();
        if (writer == LineWriter::Advanced)
            EXPECT_EQ(Body(), "Pause(30);\r\nKeyDown(65);\r\nPause(0);\r\n");
        else
            EXPECT_EQ(Body(), "Pause(10);\r\nKeyUp(56);\r\nPause(10);\r\nKeyUp(162);\r\n"
                              "Pause(10);\r\nKeyDown(65);\r\nPause(0);\r\n");
    }
    // Ctrl and 8 released before the recording began (the confirmation was
    // up): the first statements are the user's and stay.
    editor.RecordStartedByHotkey = true;
    Recorder r(editor, automation, desktop, LineWriter::Advanced);
    keys = {};
    r.Begin(keys);
    Press(1);
    Tick(r);
    Release(1);
    Tick(r);
    r.Finish();
    EXPECT_EQ(Body(), "Pause(10);\r\nLeftDown();\r\nPause(10);\r\nLeftUp();\r\nPause(0);\r\n");
}

TEST_F(EditorRecorder, StoppingWithCtrlZeroRightAfterTheStart) {
    Recorder r(editor, automation, desktop, LineWriter::Advanced);
    desktop.Ticks = 5000;
    r.Begin(keys);
    CtrlDown();
    Tick(r, 40);
    Press(48);
    Tick(r, 10);
    Tick(r, 10);
    desktop.Ticks += 3;
    r.Finish();  // the hot-key timer's Ctrl+0
    EXPECT_EQ(editor.ScriptText,
              "Function(Main);\r\nOrigionalPlayTime(0.063);\r\nSetPausePercent(100);\r\n\r\n"
              "Pause(40);\r\nPause(23);\r\n\r\nEndFunction();");
}

TEST_F(EditorRecorder, ZeroWithoutCtrlIsAPlainKey) {
    editor.RecordMouseMoves = false;
    Recorder r(editor, automation, desktop, LineWriter::Advanced);
    r.Begin(keys);
    Press(48);
    Tick(r);
    Release(48);
    Tick(r);
    r.Finish();
    EXPECT_EQ(Body(), "Pause(10);\r\nKeyDown(48);\r\nPause(10);\r\nKeyUp(48);\r\nPause(0);\r\n");
}

TEST(EditorRecordConfirm, TheBasicWindowDoesNotAskOverTheEmptyTemplate) {
    const std::string empty = "Function(Main);\r\n\r\nEndFunction();";
    EXPECT_FALSE(AskBeforeRecording("", LineWriter::Advanced));
    EXPECT_FALSE(AskBeforeRecording("", LineWriter::Basic));
    EXPECT_TRUE(AskBeforeRecording(empty, LineWriter::Advanced));
    EXPECT_FALSE(AskBeforeRecording(empty, LineWriter::Basic));
    EXPECT_TRUE(AskBeforeRecording(empty + "\r\n", LineWriter::Basic));
    EXPECT_TRUE(AskBeforeRecording(" ", LineWriter::Basic));
}

}  // namespace
}  // namespace ombrelt::mdlRecord
