#include <gtest/gtest.h>

#include "automation/ScriptError.h"
#include "automation/mdlControls.h"
#include "support/FakeDesktop.h"

namespace ombrelt {
namespace {

using testing::FakeDesktop;
using Calls = std::vector<std::string>;

struct ControlsTest : ::testing::Test {
    FakeDesktop desktop;
    AutomationState state;
};

TEST_F(ControlsTest, ButtonsAtTheCursorAreRealInputAndPublishThePointer) {
    state.SelectedWindow = 7;  // ignored: the cursor commands are always real input
    desktop.Cursor = {120, -5};
    mdlControls::LeftClick(desktop, state);
    EXPECT_EQ(desktop.Calls, (Calls{"MouseEvent 2", "MouseEvent 4"}));
    EXPECT_EQ(state.CursorPoint, (Point{120, -5}));
    EXPECT_EQ(state.LastFoundX, 120);
    EXPECT_EQ(state.LastFoundY, -5);

    desktop.Calls.clear();
    desktop.Cursor = {3, 4};
    mdlControls::RightDown(desktop, state);
    mdlControls::RightUp(desktop, state);
    mdlControls::RightClick(desktop, state);
    mdlControls::MiddleDown(desktop, state);
    mdlControls::MiddleUp(desktop, state);
    mdlControls::MiddleClick(desktop, state);
    mdlControls::LeftDown(desktop, state);
    mdlControls::LeftUp(desktop, state);
    EXPECT_EQ(desktop.Calls, (Calls{"MouseEvent 8", "MouseEvent 16", "MouseEvent 8", "MouseEvent 16", "MouseEvent 32",
                                    "MouseEvent 64", "MouseEvent 32", "MouseEvent 64", "MouseEvent 2",
                                    "MouseEvent 4"}));
    EXPECT_EQ(state.LastFoundX, 3);
    EXPECT_EQ(state.LastFoundY, 4);
}

TEST_F(ControlsTest, PositionedButtonsWithoutAWindowMoveThePointerAndPress) {
    state.LastFoundX = 40;
    state.LastFoundY = 50;
    std::string x = "lx", y = "ly";
    mdlControls::LeftDownEx(desktop, state, x, y);
    EXPECT_EQ(x, "40");
    EXPECT_EQ(y, "50");
    std::string x2 = "12.5", y2 = "-3";  // halves round to even
    mdlControls::RightUpEx(desktop, state, x2, y2);
    EXPECT_EQ(x2, "12");
    std::string x3 = "1", y3 = "2";
    mdlControls::MiddleDownEx(desktop, state, x3, y3);
    std::string x4 = "5", y4 = "6";
    mdlControls::LeftUpEx(desktop, state, x4, y4);
    mdlControls::RightDownEx(desktop, state, x4, y4);
    mdlControls::MiddleUpEx(desktop, state, x4, y4);
    EXPECT_EQ(desktop.Calls,
              (Calls{"SetCursorPos 40 50", "MouseEvent 2", "SetCursorPos 12 -3", "MouseEvent 16", "SetCursorPos 1 2",
                     "MouseEvent 32", "SetCursorPos 5 6", "MouseEvent 4", "SetCursorPos 5 6", "MouseEvent 8",
                     "SetCursorPos 5 6", "MouseEvent 64"}));
    EXPECT_EQ(state.LastFoundX, 5);
    EXPECT_EQ(state.LastFoundY, 6);
}

TEST_F(ControlsTest, PositionedButtonsWithAWindowSendClientCoordinates) {
    state.SelectedWindow = 7;
    state.LastFoundX = 1;
    state.LastFoundY = 2;
    desktop.ClientOrigin = {100, 200};
    const std::pair<void (*)(Desktop&, AutomationState&, std::string&, std::string&), int> cases[] = {
        {mdlControls::LeftDownEx, 0x201},   {mdlControls::LeftUpEx, 0x202},   {mdlControls::RightDownEx, 0x204},
        {mdlControls::RightUpEx, 0x205},    {mdlControls::MiddleDownEx, 0x207}, {mdlControls::MiddleUpEx, 0x208}};
    for (auto [procedure, message] : cases) {
        desktop.Calls.clear();
        std::string x = "110", y = "230";
        procedure(desktop, state, x, y);
        // Client point (10, 30): x in the low word, y in the high word, wParam 0.
        EXPECT_EQ(desktop.Calls, (Calls{"SendMessage 7 " + std::to_string(message) + " 0 " +
                                        std::to_string(10 | (30 << 16))}));
    }
    // Nothing moves and the last found point stays.
    EXPECT_EQ(state.LastFoundX, 1);
    EXPECT_EQ(state.LastFoundY, 2);
    EXPECT_EQ(desktop.Cursor, (Point{0, 0}));

    // A point left or above the client area packs as two 16-bit halves.
    desktop.Calls.clear();
    EXPECT_EQ(mdlControls::SendMouseMessage(desktop, state, 0x201, 99, 198), 0);
    EXPECT_EQ(desktop.Calls, (Calls{"SendMessage 7 513 0 " + std::to_string(0xFFFEFFFFu)}));
}

TEST_F(ControlsTest, APointThatDoesNotConvertDoesNothing) {
    state.LastFoundX = 9;
    for (auto [bx, by] : {std::pair{"abc", "1"}, {"1", ""}, {"40000", "1"}, {"1", "-32769"}}) {
        std::string x = bx, y = by;
        EXPECT_THROW(mdlControls::LeftDownEx(desktop, state, x, y), ScriptError);
        EXPECT_EQ(x, bx);
        EXPECT_EQ(y, by);
    }
    state.SelectedWindow = 7;
    std::string x = "1", y = "y";
    EXPECT_THROW(mdlControls::RightUpEx(desktop, state, x, y), ScriptError);
    EXPECT_TRUE(desktop.Calls.empty());
    EXPECT_EQ(state.LastFoundX, 9);
}

TEST_F(ControlsTest, KeysGoToTheSelectedWindowOrAsRealInput) {
    mdlControls::KeyDown(desktop, state, 65);
    mdlControls::KeyUp(desktop, state, 65);
    state.SelectedWindow = 7;
    mdlControls::KeyDown(desktop, state, 13);
    mdlControls::KeyUp(desktop, state, 255);
    EXPECT_EQ(desktop.Calls, (Calls{"KeybdEvent 65 0", "KeybdEvent 65 2", "SendMessage 7 256 13 65537",
                                    "SendMessage 7 257 255 65537"}));
    EXPECT_EQ(state.LastFoundX, 0);
}

TEST_F(ControlsTest, StartOpensThroughTheShell) {
    EXPECT_EQ(mdlControls::Start(desktop, "c:\\a b\\x.txt", "", "ignored"), 42);
    EXPECT_EQ(mdlControls::StartEx(desktop, "prog.exe", "c:\\w", "-a \"b\"", 2), 42);
    EXPECT_EQ(desktop.Calls, (Calls{"ShellExecute c:\\a b\\x.txt|||1", "ShellExecute prog.exe|-a \"b\"|c:\\w|2"}));
}

}  // namespace
}  // namespace ombrelt
