// The editor's start-up road end to end: Ombrelt.exe in a scratch copy of its
// folder, with no update server reachable (the build's host does not resolve).
#include <gtest/gtest.h>

#include "editor_driver.h"

namespace ombrelt::e2e {
namespace {

constexpr DWORD kLimit = 8000;

TEST(EditorStartup, FirstRunWritesTheDefaultsAndAsksForTheMode) {
    EditorFolder folder;
    auto program = folder.Start();
    ASSERT_TRUE(program->Started());
    HWND splash = WaitForWindow(program->Id(), [](HWND w) { return WindowText(w) == "Splash"; }, kLimit);
    EXPECT_NE(splash, nullptr);
    HWND choice = WaitForWindow(program->Id(), IsChoiceWindow, kLimit);
    ASSERT_NE(choice, nullptr);
    // Written before the choice was shown.
    EXPECT_EQ(folder.Settings(), "1,1,1,0,1,");
    const DWORD shown = GetTickCount();
    while (IsWindowVisible(splash) && GetTickCount() - shown < 1000) Sleep(5);
    EXPECT_FALSE(IsWindowVisible(splash));
    HWND basic = FindChild(choice, "Button", "Start Ombrelt in Basic Mode");
    ASSERT_NE(basic, nullptr);
    EXPECT_EQ(SendMessageA(basic, BM_GETCHECK, 0, 0), BST_CHECKED);

    // Advanced mode chosen: stored, and the advanced-mode window opens.
    SendMessageA(FindChild(choice, "Button", "Start Ombrelt in Advanced Mode"), BM_CLICK, 0, 0);
    SendMessageA(FindChild(choice, "Button", "OK"), BM_CLICK, 0, 0);
    HWND main = WaitForWindow(program->Id(), IsMainWindow, kLimit);
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(IsWindowVisible(choice));
    EXPECT_EQ(folder.Settings(), "1,1,1,0,0,");
    EXPECT_EQ(WindowText(FindWindowExA(main, nullptr, "Edit", nullptr)), "Function(Main);\r\n\r\nEndFunction();");

    // Closing the window saves and ends the process at once.
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program->WaitExit(kLimit), std::optional<DWORD>(0));
    EXPECT_EQ(folder.Settings(), "1,1,1,0,0,");
}

TEST(EditorStartup, ClosingTheChoiceEndsTheProgramAndTheNextStartIsNoFirstRun) {
    EditorFolder folder;
    {
        auto program = folder.Start();
        HWND choice = WaitForWindow(program->Id(), IsChoiceWindow, kLimit);
        ASSERT_NE(choice, nullptr);
        PostMessageA(choice, WM_CLOSE, 0, 0);
        EXPECT_TRUE(program->WaitExit(kLimit).has_value());
    }
    EXPECT_EQ(folder.Settings(), "1,1,1,0,1,");
    // The next start routes by the stored mode (basic) and asks nothing.
    auto program = folder.Start();
    HWND shown = WaitForWindow(
        program->Id(), [](HWND w) { return IsMainWindow(w) || IsBasicWindow(w) || IsChoiceWindow(w); }, kLimit);
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(IsBasicWindow(shown));
}

TEST(EditorStartup, WithoutNetworkTheStoredModeOpensOneSecondAfterTheCheckStarted) {
    const std::string advanced = "0,1,0,1,0,";
    EditorFolder folder(&advanced);
    const DWORD started = GetTickCount();
    auto program = folder.Start();
    HWND splash = WaitForWindow(program->Id(), [](HWND w) { return WindowText(w) == "Splash"; }, kLimit);
    ASSERT_NE(splash, nullptr);
    const DWORD splashShown = GetTickCount();
    HWND main = WaitForWindow(program->Id(), IsMainWindow, kLimit);
    ASSERT_NE(main, nullptr);
    const DWORD mainShown = GetTickCount();
    // The check starts on the splash's first timer tick, right after it shows.
    EXPECT_GE(mainShown - splashShown, 900u);
    EXPECT_LE(mainShown - started, 5000u);
    // Saved at routing as loaded, before the advanced window set its start values.
    EXPECT_EQ(folder.Settings(), "0,1,0,1,0,");
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program->WaitExit(kLimit).has_value());
    // Saved at exit: repeat, mouse moves and extended clicks on since frmMain loaded.
    EXPECT_EQ(folder.Settings(), "1,1,1,1,0,");
}

TEST(EditorStartup, AClickOnTheSplashRoutesAtOnce) {
    const std::string advanced = "1,1,1,0,0,";
    EditorFolder folder(&advanced);
    auto program = folder.Start();
    HWND splash = WaitForWindow(program->Id(), [](HWND w) { return WindowText(w) == "Splash"; }, kLimit);
    ASSERT_NE(splash, nullptr);
    const DWORD clicked = GetTickCount();
    PostMessageA(splash, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(splash, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    HWND main = WaitForWindow(program->Id(), IsMainWindow, kLimit);
    ASSERT_NE(main, nullptr);
    EXPECT_LT(GetTickCount() - clicked, 800u);
}

}  // namespace
}  // namespace ombrelt::e2e
