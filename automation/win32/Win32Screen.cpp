// The screen's size and its capture into a pixel buffer.
#include "automation/win32/Dib.h"
#include "automation/win32/Handles.h"
#include "automation/win32/Win32Desktop.h"

namespace ombrelt::win32 {

ScreenMetrics Win32Desktop::Screen() {
    ScreenMetrics m;
    m.WidthPixels = GetSystemMetrics(SM_CXSCREEN);
    m.HeightPixels = GetSystemMetrics(SM_CYSCREEN);
    WindowDc screen(nullptr);
    if (screen) {
        // Twips per pixel as whole numbers, 15 at 96 dpi.
        int dpiX = GetDeviceCaps(screen.Get(), LOGPIXELSX);
        int dpiY = GetDeviceCaps(screen.Get(), LOGPIXELSY);
        if (dpiX > 0) m.TwipsPerPixelX = 1440 / dpiX;
        if (dpiY > 0) m.TwipsPerPixelY = 1440 / dpiY;
    }
    return m;
}

bool Win32Desktop::CaptureScreen(PixelBuffer& out) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    WindowDc screen(GetDesktopWindow());
    bool ok = screen && width > 0 && height > 0;
    MemoryDc memory(ok ? CreateCompatibleDC(screen.Get()) : nullptr);
    GdiObject bitmap(ok ? CreateCompatibleBitmap(screen.Get(), width, height) : nullptr);
    ok = memory && bitmap;
    if (ok) {
        Selection selected(memory.Get(), bitmap.Get());
        ok = BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), 0, 0, SRCCOPY) != 0;
    }
    if (!ok) {
        out.Clear();
        return false;
    }
    // The store is replaced whole; its memory is kept when the size is the same.
    if (out.Width != width || out.Height != height ||
        out.Pixels.size() != static_cast<std::size_t>(width) * height)
        out.Resize(width, height);
    if (!ReadBitmapInto(memory.Get(), static_cast<HBITMAP>(bitmap.Get()), out)) {
        out.Clear();
        return false;
    }
    return true;
}

}  // namespace ombrelt::win32
