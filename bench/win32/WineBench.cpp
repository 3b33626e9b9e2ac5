// Timing figures of the Win32 desktop that only a real Windows (or Wine)
// can give: how late waits end, how a series of pauses keeps its total, and
// what the statement loop's throttled pump costs. Run it with run.sh.
// Usage: ombrelt_wine_bench [waits] [chain] [pump] [loop] [capture]   (all when none given)
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "automation/AutomationState.h"
#include "automation/win32/ProcessTiming.h"
#include "automation/win32/Win32Desktop.h"
#include "automation/win32/WinApi.h"
#include "engine/SC.h"

using ombrelt::win32::PerfCounter;
using ombrelt::win32::PerfFrequency;
using ombrelt::win32::Win32Desktop;

namespace {

double Ms(std::int64_t ticks) { return 1000.0 * static_cast<double>(ticks) / static_cast<double>(PerfFrequency()); }

// Each wait from 1 to 100 ms, after a gap so that none is chained to the
// one before: the mean of (time taken - time asked).
void WaitOvershoot(Win32Desktop& desktop) {
    const int rounds = 3;
    double total = 0, worst = 0;
    int count = 0;
    std::vector<double> bySize(101, 0);
    for (int round = 0; round < rounds; ++round) {
        for (int ms = 1; ms <= 100; ++ms) {
            Sleep(8);
            std::int64_t start = PerfCounter();
            desktop.Wait(ms);
            double over = Ms(PerfCounter() - start) - ms;
            total += over;
            worst = std::max(worst, over);
            bySize[ms] += over / rounds;
            ++count;
        }
    }
    std::printf("wait overshoot, 1..100 ms x %d: mean %.3f ms, worst %.3f ms (target: mean <= 0.5 ms)\n", rounds,
                total / count, worst);
    for (int ms : {1, 2, 5, 10, 20, 33, 50, 75, 100}) std::printf("  %3d ms: %+.3f ms\n", ms, bySize[ms]);
}

// Pauses back to back, with a little work between them, as a recorded
// script has: the run's length against the sum of its pauses.
double CpuMs() {
    FILETIME created, ended, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
    auto ms = [](FILETIME t) { return (static_cast<double>(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 1e4; };
    return ms(kernel) + ms(user);
}

void PauseSeries(Win32Desktop& desktop) {
    const int count = 300, ms = 33;
    Sleep(20);  // not chained to an earlier wait
    double cpu = CpuMs();
    std::int64_t start = PerfCounter();
    for (int i = 0; i < count; ++i) {
        desktop.Wait(ms);
        desktop.PumpIfDue();  // the statement between two pauses
    }
    double took = Ms(PerfCounter() - start), sum = count * ms;
    cpu = CpuMs() - cpu;
    std::printf("%d pauses of %d ms: %.1f ms for %.0f ms, %+.3f %% (target: within 0.2 %%); processor %.1f %% of the time\n",
                count, ms, took, sum, 100.0 * (took - sum) / sum, 100.0 * cpu / took);
}

// The statement loop calls PumpIfDue before every statement.
void PumpCost(Win32Desktop& desktop) {
    const int calls = 5'000'000;
    std::int64_t start = PerfCounter();
    for (int i = 0; i < calls; ++i) desktop.PumpIfDue();
    double ns = 1e6 * Ms(PerfCounter() - start) / calls;
    std::printf("PumpIfDue: %.1f ns a call, so at most %.0f statements/s from the pump alone (target: loop >= 500,000/s)\n",
                ns, 1e9 / ns);

    const int pumps = 2000;
    start = PerfCounter();
    for (int i = 0; i < pumps; ++i) desktop.PumpMessages();
    std::printf("PumpMessages (empty queue, for reference): %.1f us a call\n", 1e3 * Ms(PerfCounter() - start) / pumps);
}

// The engine's statement loop on the real desktop: a while loop of add
// statements, with the throttled pump before every statement.
void StatementLoop(Win32Desktop& desktop) {
    ombrelt::AutomationState state;
    ombrelt::SC engine(state, desktop);
    const int passes = 1'000'000;  // three statements a pass: while, add, endwhile
    std::string script = "function(main);int(i,0);while(i<" + std::to_string(passes) +
                         ");add(i,1);endwhile();endfunction();";
    engine.Initialize(script);
    std::int64_t start = PerfCounter();
    engine.Execute();
    double ms = Ms(PerfCounter() - start);
    double statements = 3.0 * passes + 2;
    std::printf("statement loop (while/add/endwhile) under the real pump: %.0f statements/s (target >= 500,000/s)\n",
                statements / (ms / 1000.0));
}

// A capture into a store against a bare BitBlt + GetDIBits of the screen.
void CaptureCost(Win32Desktop& desktop) {
    const int rounds = 50;
    ombrelt::PixelBuffer store;
    desktop.CaptureScreen(store);
    std::int64_t start = PerfCounter();
    for (int i = 0; i < rounds; ++i) desktop.CaptureScreen(store);
    double ours = Ms(PerfCounter() - start) / rounds;

    int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h);
    start = PerfCounter();
    for (int i = 0; i < rounds; ++i) {
        HDC screen = GetDC(GetDesktopWindow());
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, w, h, screen, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        GetDIBits(memory, bitmap, 0, h, pixels.data(), &info, DIB_RGB_COLORS);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(GetDesktopWindow(), screen);
    }
    double bare = Ms(PerfCounter() - start) / rounds;
    std::printf("capture %dx%d: %.2f ms, bare BitBlt + GetDIBits %.2f ms, ratio %.2f (target <= 1.2)\n", w, h, ours,
                bare, ours / bare);
}

}  // namespace

int main(int argc, char** argv) {
    Win32Desktop desktop;
    auto wanted = [&](const char* name) {
        if (argc < 2) return true;
        for (int i = 1; i < argc; ++i)
            if (std::strcmp(argv[i], name) == 0) return true;
        return false;
    };
    if (wanted("waits")) WaitOvershoot(desktop);
    if (wanted("chain")) PauseSeries(desktop);
    if (wanted("pump")) PumpCost(desktop);
    if (wanted("loop")) StatementLoop(desktop);
    if (wanted("capture")) CaptureCost(desktop);
    std::fflush(stdout);
    return 0;
}
