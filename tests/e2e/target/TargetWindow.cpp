// A window for end-to-end tests that logs what it receives, one line at a
// time, flushed, to the file given with --log:
//   CMDLINE <its command line after the program name>
//   SHOW <the show state it was started with> ICONIC <0|1> ZOOMED <0|1>
//   READY <window handle, hex> CLIENT <screen x> <screen y> of its client area
//   MOUSE <message, 4 hex digits> <wParam> <x> <y>      button messages, client coordinates
//   KEY <message, 4 hex digits> <wParam> <lParam, 8 hex digits>   key messages to the window
//   EDIT <text>                                          its edit control's text after each change
//   CLOSE                                                before it ends on WM_CLOSE
// Options: --log FILE, --title TEXT (default "Ombrelt Target"), --rect X Y W H
// (outer window, default 100 100 320 240), --color RRGGBB (the upper half,
// default 3366CC), --life MS (ends by itself, default 30000).
// The lower half of the client area is an edit control that has the focus.
#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Options {
    std::string Log;
    std::string Title = "Ombrelt Target";
    int X = 100, Y = 100, W = 320, H = 240;
    COLORREF Color = RGB(0x33, 0x66, 0xCC);
    UINT Life = 30000;
};

Options options;
HANDLE logFile = INVALID_HANDLE_VALUE;
HWND edit = nullptr;

void Log(const std::string& line) {
    if (logFile == INVALID_HANDLE_VALUE) return;
    std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(logFile, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    FlushFileBuffers(logFile);
}

std::string Format(const char* format, ...) {
    char buffer[512];
    va_list args;
    va_start(args, format);
    vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

void ParseOptions() {
    for (int i = 1; i < __argc; ++i) {
        std::string a = __argv[i];
        auto next = [&] { return i + 1 < __argc ? std::string(__argv[++i]) : std::string(); };
        if (a == "--log") options.Log = next();
        else if (a == "--title") options.Title = next();
        else if (a == "--life") options.Life = static_cast<UINT>(std::atoi(next().c_str()));
        else if (a == "--color") {
            unsigned long c = std::strtoul(next().c_str(), nullptr, 16);
            options.Color = RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
        } else if (a == "--rect") {
            options.X = std::atoi(next().c_str());
            options.Y = std::atoi(next().c_str());
            options.W = std::atoi(next().c_str());
            options.H = std::atoi(next().c_str());
        }
    }
}

// The command line after the program's own name.
std::string Arguments() {
    const char* p = GetCommandLineA();
    if (*p == '"') {
        p = std::strchr(p + 1, '"');
        p = p ? p + 1 : "";
    } else {
        while (*p && *p != ' ' && *p != '\t') ++p;
    }
    while (*p == ' ' || *p == '\t') ++p;
    return p;
}

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CREATE: {
            RECT r;
            GetClientRect(hwnd, &r);
            edit = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0,
                                   r.bottom / 2, r.right, r.bottom - r.bottom / 2, hwnd, nullptr, nullptr, nullptr);
            SetTimer(hwnd, 1, options.Life, nullptr);
            return 0;
        }
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            RECT r;
            GetClientRect(hwnd, &r);
            r.bottom /= 2;
            HBRUSH brush = CreateSolidBrush(options.Color);
            FillRect(dc, &r, brush);
            DeleteObject(brush);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_RBUTTONDOWN: case WM_RBUTTONUP:
        case WM_MBUTTONDOWN: case WM_MBUTTONUP:
            Log(Format("MOUSE %04X %u %d %d", msg, static_cast<unsigned>(wParam), static_cast<short>(LOWORD(lParam)),
                       static_cast<short>(HIWORD(lParam))));
            return 0;
        case WM_KEYDOWN: case WM_KEYUP:
            Log(Format("KEY %04X %u %08lX", msg, static_cast<unsigned>(wParam), static_cast<unsigned long>(lParam)));
            return 0;
        case WM_SETFOCUS:
            SetFocus(edit);
            return 0;
        case WM_COMMAND:
            if (reinterpret_cast<HWND>(lParam) == edit && HIWORD(wParam) == EN_CHANGE) {
                char text[1024] = {};
                GetWindowTextA(edit, text, sizeof text);
                Log(std::string("EDIT ") + text);
            }
            return 0;
        case WM_TIMER:
            DestroyWindow(hwnd);
            return 0;
        case WM_CLOSE:
            Log("CLOSE");
            DestroyWindow(hwnd);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    ParseOptions();
    if (!options.Log.empty())
        logFile = CreateFileA(options.Log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    Log("CMDLINE " + Arguments());

    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = "OmbreltTarget";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, options.Title.c_str(), WS_OVERLAPPEDWINDOW,
                                options.X, options.Y, options.W, options.H, nullptr, nullptr, instance, nullptr);
    if (!hwnd) return 1;
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);
    if (!IsIconic(hwnd)) SetForegroundWindow(hwnd);
    SetFocus(edit);
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    Log(Format("SHOW %d ICONIC %d ZOOMED %d", show, IsIconic(hwnd) ? 1 : 0, IsZoomed(hwnd) ? 1 : 0));
    Log(Format("READY %llX CLIENT %ld %ld", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hwnd)),
               origin.x, origin.y));

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    if (logFile != INVALID_HANDLE_VALUE) CloseHandle(logFile);
    return 0;
}
