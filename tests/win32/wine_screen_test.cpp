// Proves the Wine path: a real window on the X screen, read back through GDI.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

LRESULT CALLBACK RedProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        HBRUSH brush = CreateSolidBrush(RGB(255, 0, 0));
        FillRect(dc, &ps.rcPaint, brush);
        DeleteObject(brush);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void PumpFor(DWORD ms) {
    DWORD start = GetTickCount();
    MSG m;
    while (GetTickCount() - start < ms) {
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
        Sleep(5);
    }
}

}  // namespace

TEST(WineScreen, PaintedWindowReadsBackFromTheScreen) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = RedProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "OmbreltRedProbe";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "probe", WS_POPUP | WS_VISIBLE,
                                100, 120, 200, 150, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(hwnd, nullptr);
    UpdateWindow(hwnd);
    COLORREF c = CLR_INVALID;
    for (int i = 0; i < 40 && c != RGB(255, 0, 0); ++i) {
        PumpFor(25);
        HDC screen = GetDC(nullptr);
        c = GetPixel(screen, 150, 170);
        ReleaseDC(nullptr, screen);
    }
    DestroyWindow(hwnd);
    EXPECT_EQ(c, RGB(255, 0, 0));
}
