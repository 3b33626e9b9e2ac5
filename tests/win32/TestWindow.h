#pragma once
// An in-process window for Win32 tests: it records the messages it gets,
// hands them to a callback, and paints its client area in two colours
// (left half, right half).
#include <functional>
#include <vector>

#include "automation/win32/WinApi.h"

namespace ombrelt::testing {

class TestWindow {
public:
    struct Message {
        UINT Id;
        WPARAM WParam;
        LPARAM LParam;
    };

    // A topmost borderless window at screen rect (x, y, w, h).
    TestWindow(int x, int y, int w, int h, COLORREF left = RGB(0, 0, 0), COLORREF right = RGB(0, 0, 0),
               DWORD style = WS_POPUP)
        : left_(left), right_(right) {
        static bool registered = [] {
            WNDCLASSA wc{};
            wc.lpfnWndProc = Proc;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
            wc.lpszClassName = "OmbreltTestWindow";
            return RegisterClassA(&wc) != 0;
        }();
        (void)registered;
        hwnd = CreateWindowExA(WS_EX_TOPMOST, "OmbreltTestWindow", "Ombrelt test window", style | WS_VISIBLE, x, y, w,
                               h, nullptr, nullptr, GetModuleHandleA(nullptr), this);
        UpdateWindow(hwnd);
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    ~TestWindow() {
        if (hwnd) DestroyWindow(hwnd);
    }

    HWND hwnd = nullptr;
    std::vector<Message> Received;
    std::function<void(const Message&)> OnMessage;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_NCCREATE) {
            auto create = reinterpret_cast<CREATESTRUCTA*>(lParam);
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto self = reinterpret_cast<TestWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (!self) return DefWindowProcA(hwnd, msg, wParam, lParam);
        if (msg == WM_PAINT) {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            RECT r;
            GetClientRect(hwnd, &r);
            RECT half = r;
            half.right = r.right / 2;
            Fill(dc, half, self->left_);
            half.left = half.right;
            half.right = r.right;
            Fill(dc, half, self->right_);
            EndPaint(hwnd, &ps);
            return 0;
        }
        if (msg == WM_NCDESTROY) SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        if (msg == WM_TIMER || (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) ||
            (msg >= WM_KEYFIRST && msg <= WM_KEYLAST) || msg >= WM_USER) {
            Message m{msg, wParam, lParam};
            self->Received.push_back(m);
            if (self->OnMessage) self->OnMessage(m);
            return 0;
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }

    static void Fill(HDC dc, const RECT& r, COLORREF color) {
        HBRUSH brush = CreateSolidBrush(color);
        FillRect(dc, &r, brush);
        DeleteObject(brush);
    }

    COLORREF left_, right_;
};

// Pumps this thread's messages until done() or timeoutMs has passed.
template <class F>
bool PumpUntil(F done, DWORD timeoutMs = 3000) {
    DWORD start = GetTickCount();
    for (;;) {
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
        if (done()) return true;
        if (GetTickCount() - start > timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

// Milliseconds on the performance counter since start.
inline double MsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline LARGE_INTEGER Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

}  // namespace ombrelt::testing
