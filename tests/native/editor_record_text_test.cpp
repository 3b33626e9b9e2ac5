// The recorder's texts, the stopwatches and the window picker.
#include <gtest/gtest.h>

#include <map>

#include "editor/RecorderText.h"
#include "editor/Stopwatch.h"
#include "editor/WindowPicker.h"
#include "editor/mdlRecord.h"
#include "support/FakeDesktop.h"

namespace ombrelt::mdlRecord {
namespace {

TEST(EditorRecordText, StatementsAreWrittenExactly) {
    Point at{12, -3};
    EXPECT_EQ(ButtonStatement(MouseButton::Left, true, false, at), "LeftDown();");
    EXPECT_EQ(ButtonStatement(MouseButton::Right, false, false, at), "RightUp();");
    EXPECT_EQ(ButtonStatement(MouseButton::Middle, true, true, at), "MiddleDownEx(12,-3);");
    EXPECT_EQ(ButtonStatement(MouseButton::Left, false, true, at), "LeftUpEx(12,-3);");
    EXPECT_EQ(MoveMouseStatement({640, 480}), "MoveMouse(640,480);");
    EXPECT_EQ(KeyStatement(65, true), "KeyDown(65);");
    EXPECT_EQ(KeyStatement(160, false), "KeyUp(160);");
    // Red, blue, green, the same triple as both bounds.
    EXPECT_EQ(ColorRangeStatement(10, 20, 30), "CreateColorRange(colorrange0, 10, 30, 20, 10, 30, 20);");
    EXPECT_EQ(PauseLine(0), "Pause(0);\r\n");
}

TEST(EditorRecordText, PlayTimeHasThreeDecimalsAndCarries) {
    EXPECT_EQ(PlayTimeText(5, 7), "5.007");
    EXPECT_EQ(PlayTimeText(0, 0), "0.000");
    EXPECT_EQ(PlayTimeText(12, 999), "12.999");
    EXPECT_EQ(PlayTimeText(5, 1015), "6.015");  // a late seconds tick
    EXPECT_EQ(PlayTimeText(0, 2500), "2.500");
}

TEST(EditorRecordText, RecordedScriptLayout) {
    EXPECT_EQ(RecordedScript("Pause(5);\r\nLeftDown();\r\nPause(9);\r\n", 3, 42),
              "Function(Main);\r\nOrigionalPlayTime(3.042);\r\nSetPausePercent(100);\r\n\r\n"
              "Pause(5);\r\nLeftDown();\r\nPause(9);\r\n\r\nEndFunction();");
}

TEST(EditorStopwatch, ReadingsAreUnsignedDifferencesAcrossEveryWrap) {
    testing::FakeDesktop desktop;
    mdlTime::Stopwatches watches;
    desktop.Ticks = 0xFFFFFFFFu - 255;  // 256 ms before the wrap
    mdlTime::StartPauseTimer(watches, desktop);
    EXPECT_EQ(mdlTime::GetPauseTime(watches, desktop), 0u);
    desktop.Ticks = 256;
    EXPECT_EQ(mdlTime::GetPauseTime(watches, desktop), 512u);
    desktop.Ticks = 300;
    EXPECT_EQ(mdlTime::GetPauseTime(watches, desktop), 556u);  // a reading never restarts it

    // Past 2^31, where a signed difference would overflow.
    desktop.Ticks = 0x7FFFFF00u;
    mdlTime::StartMillisecondTimer(watches, desktop);
    desktop.Ticks = 0x80000100u;
    EXPECT_EQ(mdlTime::GetMilliseconds(watches, desktop), 512u);
    // The two stopwatches are independent.
    EXPECT_EQ(mdlTime::GetPauseTime(watches, desktop), 0x80000100u - 0xFFFFFF00u);
}

// A desktop with a tree of windows: handle -> class, title, parent.
class WindowTreeDesktop : public testing::FakeDesktop {
public:
    struct Window {
        std::string Class, Title;
        WindowHandle Parent = 0;
    };
    std::map<WindowHandle, Window> Windows;
    WindowHandle UnderPointer = 0;
    Point AskedAt{-1, -1};

    WindowHandle WindowFromPoint(Point p) override {
        AskedAt = p;
        return UnderPointer;
    }
    WindowHandle GetParent(WindowHandle w) override { return Windows.count(w) ? Windows[w].Parent : 0; }
    std::string GetClassName(WindowHandle w) override { return Windows.count(w) ? Windows[w].Class : ""; }
    std::string GetWindowText(WindowHandle w) override { return Windows.count(w) ? Windows[w].Title : ""; }
};

TEST(EditorWindowPicker, WalksFromThePointerToTheTopLevelWindow) {
    WindowTreeDesktop desktop;
    AutomationState state;
    desktop.Cursor = {300, 200};
    desktop.Windows[1] = {"Notepad", "a; \"b\".txt - Notepad", 0};
    desktop.Windows[2] = {"Edit", "", 1};
    desktop.Windows[3] = {"Button", "OK", 2};

    desktop.UnderPointer = 1;
    EXPECT_EQ(BuildSelectWindowScript(state, desktop), "SelectWindow(\"Notepad\", \"a; \"b\".txt - Notepad\");\r\n");
    EXPECT_EQ(state.CursorPoint, (Point{300, 200}));
    EXPECT_EQ(desktop.AskedAt, (Point{300, 200}));

    desktop.UnderPointer = 3;
    EXPECT_EQ(BuildSelectWindowScript(state, desktop),
              "SelectWindow(\"Notepad\", \"a; \"b\".txt - Notepad\");\r\n"
              "SelectSubWindow(\"Edit\");\r\n"
              "SelectSubWindow(\"Button\");\r\n");

    desktop.UnderPointer = 0;  // nothing there
    EXPECT_EQ(BuildSelectWindowScript(state, desktop), "SelectWindow(\"\", \"\");\r\n");
}

TEST(EditorWindowPicker, NamesAreCutTo99AndLoseLeadingSpaces) {
    EXPECT_EQ(PickerName(std::string(120, 'x')), std::string(99, 'x'));
    EXPECT_EQ(PickerName("   Title  "), "Title  ");
    EXPECT_EQ(PickerName("    "), "");
    EXPECT_EQ(PickerName(std::string("ab\0cd", 5)), "ab");
    // Cut first, then trimmed: the 99 characters are counted with the spaces.
    EXPECT_EQ(PickerName("  " + std::string(120, 'y')), std::string(97, 'y'));

    WindowTreeDesktop desktop;
    AutomationState state;
    desktop.Windows[5] = {"  Cls", "  " + std::string(150, 't'), 0};
    desktop.UnderPointer = 5;
    EXPECT_EQ(BuildSelectWindowScript(state, desktop),
              "SelectWindow(\"Cls\", \"" + std::string(97, 't') + "\");\r\n");
}

TEST(EditorWindowPicker, ACycleOfParentsEnds) {
    WindowTreeDesktop desktop;
    AutomationState state;
    desktop.Windows[7] = {"Loop", "", 7};
    desktop.UnderPointer = 7;
    std::string text = BuildSelectWindowScript(state, desktop);
    EXPECT_EQ(text.rfind("SelectWindow(\"Loop\", \"\");\r\n", 0), 0u);
}

TEST(EditorRecordRemoveCtrl, TakesOutTheLastCtrlKeyDownLine) {
    struct Case {
        std::string before, after;
    };
    const Case cases[] = {
        {"Pause(1);\r\nKeyDown(162);\r\nPause(2);\r\nKeyDown(65);\r\nPause(3);\r\nKeyDown(162);\r\n",
         "Pause(1);\r\nKeyDown(162);\r\nPause(2);\r\nKeyDown(65);\r\nPause(3);\r\n"},
        // The later of the two sides, whichever it is.
        {"Pause(1);\r\nKeyDown(163);\r\nPause(2);\r\nKeyUp(163);\r\nPause(3);\r\nKeyDown(162);\r\nx",
         "Pause(1);\r\nKeyDown(163);\r\nPause(2);\r\nKeyUp(163);\r\nPause(3);\r\nx"},
        {"Pause(1);\r\nKeyDown(162);\r\nPause(2);\r\nKeyDown(163);\r\nx", "Pause(1);\r\nKeyDown(162);\r\nPause(2);\r\nx"},
        // Only a whole line followed by something; text in a title stays.
        {"KeyDown(162);", "KeyDown(162);"},
        {"SelectWindow(\"A\", \"KeyDown(162);\");\r\n", "SelectWindow(\"A\", \"KeyDown(162);\");\r\n"},
        {"", ""},
    };
    for (const Case& c : cases) {
        std::string text = c.before;
        RemoveLastCtrlKeyDown(text);
        EXPECT_EQ(text, c.after) << c.before;
    }
    // Only the sides asked for.
    std::string text = "KeyDown(163);\r\nKeyDown(162);\r\n";
    RemoveLastCtrlKeyDown(text, false, true);
    EXPECT_EQ(text, "KeyDown(162);\r\n");
}

}  // namespace
}  // namespace ombrelt::mdlRecord
