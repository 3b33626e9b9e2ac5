// Window search and reading, and message boxes.
#include <gtest/gtest.h>

#include "TestWindow.h"
#include "automation/win32/Win32Desktop.h"

namespace ombrelt::win32 {
namespace {

using ombrelt::testing::TestWindow;

WindowHandle Handle(HWND hwnd) { return reinterpret_cast<WindowHandle>(hwnd); }

TEST(Windows, FindAndReadWindows) {
    Win32Desktop desktop;
    TestWindow parent(400, 300, 200, 100, RGB(0, 0, 0), RGB(0, 0, 0), WS_OVERLAPPEDWINDOW);
    HWND child = CreateWindowExA(0, "BUTTON", "Press me", WS_CHILD | WS_VISIBLE, 10, 10, 80, 30, parent.hwnd, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(child, nullptr);

    EXPECT_EQ(desktop.FindWindow("OmbreltTestWindow", "Ombrelt test window"), Handle(parent.hwnd));
    EXPECT_EQ(desktop.FindWindow(nullptr, "Ombrelt test window"), Handle(parent.hwnd));
    EXPECT_EQ(desktop.FindWindow("OmbreltTestWindow", nullptr), Handle(parent.hwnd));
    EXPECT_EQ(desktop.FindWindow("OmbreltNoSuchClass", nullptr), 0u);
    EXPECT_EQ(desktop.FindWindowEx(Handle(parent.hwnd), "Button"), Handle(child));
    EXPECT_EQ(desktop.FindWindowEx(Handle(parent.hwnd), "Edit"), 0u);
    EXPECT_EQ(desktop.FindWindowEx(0, "OmbreltTestWindow"), Handle(parent.hwnd));  // top level

    EXPECT_EQ(desktop.GetClassName(Handle(child)), "Button");
    EXPECT_EQ(desktop.GetWindowText(Handle(child)), "Press me");
    EXPECT_EQ(desktop.GetWindowText(Handle(parent.hwnd)), "Ombrelt test window");
    EXPECT_EQ(desktop.GetParent(Handle(child)), Handle(parent.hwnd));

    POINT origin{0, 0};
    ClientToScreen(parent.hwnd, &origin);
    EXPECT_EQ(desktop.ScreenToClient(Handle(parent.hwnd), Point{origin.x + 15, origin.y + 20}), (Point{15, 20}));
    const Point onChild{origin.x + 15, origin.y + 20};
    EXPECT_TRUE(testing::PumpUntil([&] { return desktop.WindowFromPoint(onChild) == Handle(child); }));
    EXPECT_EQ(desktop.SendMessage(Handle(child), WM_GETTEXTLENGTH, 0, 0), 8);
}

// Reads the open message box's texts and presses its button.
struct BoxReader {
    static inline std::string Title, Text;
    static BOOL CALLBACK ReadStatic(HWND child, LPARAM) {
        char cls[32] = {}, text[256] = {};
        GetClassNameA(child, cls, sizeof cls);
        GetWindowTextA(child, text, sizeof text);
        if (lstrcmpiA(cls, "Static") == 0 && text[0]) Text = text;
        return TRUE;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
        HWND box = FindWindowA("#32770", nullptr);
        if (!box) return;
        KillTimer(nullptr, id);
        char buffer[256] = {};
        GetWindowTextA(box, buffer, sizeof buffer);
        Title = buffer;
        EnumChildWindows(box, ReadStatic, 0);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
};

TEST(Windows, MessageBoxShowsTextAndTitleAndReturnsTheButton) {
    Win32Desktop desktop;
    SetTimer(nullptr, 0, 20, BoxReader::Tick);
    EXPECT_EQ(desktop.MessageBox("Hello from a script", "", MB_OK), IDOK);
    EXPECT_EQ(BoxReader::Text, "Hello from a script");
    EXPECT_EQ(BoxReader::Title, "");
}

}  // namespace
}  // namespace ombrelt::win32
