#pragma once
// The desktop seam: everything the engine and the primitives ask of Windows.
// Win32Desktop (automation/win32) is the real one; native tests use a fake
// that records calls and plays back a scripted screen.
#include <cstdint>
#include <functional>
#include <string>

#include "automation/AutomationState.h"
#include "automation/PixelBuffer.h"

namespace ombrelt {

// Asked after every pump of a wait: true ends the wait there (a run that was
// stopped does not sit out the rest of its pause).
using WaitStop = std::function<bool()>;

struct ScreenMetrics {
    std::int32_t WidthPixels = 0;
    std::int32_t HeightPixels = 0;
    std::int32_t TwipsPerPixelX = 15;  // 1440 / dpi
    std::int32_t TwipsPerPixelY = 15;
    std::int32_t WidthTwips() const { return WidthPixels * TwipsPerPixelX; }
    std::int32_t HeightTwips() const { return HeightPixels * TwipsPerPixelY; }
};

class Desktop {
public:
    virtual ~Desktop() = default;

    // Pointer and synthesised input.
    virtual Point GetCursorPos() = 0;
    virtual void SetCursorPos(std::int32_t x, std::int32_t y) = 0;
    virtual void MouseEvent(std::uint32_t flags) = 0;  // mouse_event, no move flag
    virtual void KeybdEvent(std::uint8_t vk, std::uint32_t flags) = 0;
    // Types text in the send-keys syntax as real input, without waiting for
    // it to be processed. False (and nothing typed) when the syntax is wrong.
    virtual bool SendKeys(const std::string& keys) = 0;

    // Windows.
    virtual std::intptr_t SendMessage(WindowHandle window, std::uint32_t message,
                                      std::uintptr_t wParam, std::intptr_t lParam) = 0;
    // nullptr for a name that matches anything.
    virtual WindowHandle FindWindow(const char* className, const char* title) = 0;
    virtual WindowHandle FindWindowEx(WindowHandle parent, const char* className) = 0;
    virtual Point ScreenToClient(WindowHandle window, Point screen) = 0;
    virtual WindowHandle WindowFromPoint(Point screen) = 0;
    virtual WindowHandle GetParent(WindowHandle window) = 0;
    virtual std::string GetClassName(WindowHandle window) = 0;
    virtual std::string GetWindowText(WindowHandle window) = 0;

    // Screen and pictures.
    virtual ScreenMetrics Screen() = 0;
    // The whole screen into out (replaced whole); false when it failed.
    virtual bool CaptureScreen(PixelBuffer& out) = 0;
    // A picture file (BMP, JPEG, GIF, ICO, WMF) into out; false and out
    // empty when it cannot be loaded.
    virtual bool LoadPicture(const std::string& path, PixelBuffer& out) = 0;
    // A Windows bitmap file of the buffer, upright; false when it failed.
    virtual bool SavePicture(const std::string& path, const PixelBuffer& picture) = 0;

    // Shell and dialogs.
    virtual std::int32_t ShellExecute(const std::string& file, const std::string& parameters,
                                      const std::string& folder, std::int32_t show) = 0;
    // Modal message box with the standard MB_ flags; returns the button id.
    virtual std::int32_t MessageBox(const std::string& text, const std::string& title,
                                    std::uint32_t flags) = 0;

    // Time and messages.
    virtual std::uint32_t TickCount() = 0;
    // Processes every pending window message of the program (runs handlers).
    virtual void PumpMessages() = 0;
    // The statement loop's pump: the real one pumps only when at least 1 ms
    // has passed since the last pump, so tight loops stay fast.
    virtual void PumpIfDue() { PumpMessages(); }
    // Blocks for ms milliseconds while pumping messages (mdlTime.Wait);
    // ends early after a pump that leaves stop true.
    virtual void Wait(std::int32_t ms, const WaitStop& stop) = 0;
    void Wait(std::int32_t ms) { Wait(ms, WaitStop{}); }
};

}  // namespace ombrelt
