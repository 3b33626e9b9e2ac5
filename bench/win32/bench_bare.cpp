// The reference for the player's start-up: a Win32 program that does the
// player's first statement (a key down) and nothing else, stays for holdMs so
// that its memory can be read, and lets the key go.
// Usage: bench_bare virtualKey holdMs   (key 0: none)
#include <windows.h>

#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const int key = __argc >= 3 ? std::atoi(__argv[1]) : 0;
    const int hold = __argc >= 3 ? std::atoi(__argv[2]) : 0;
    if (key) keybd_event(static_cast<BYTE>(key), 0, 0, 0);
    Sleep(static_cast<DWORD>(hold));
    if (key) keybd_event(static_cast<BYTE>(key), 0, KEYEVENTF_KEYUP, 0);
    return 0;
}
