#pragma once
// The desktop seam on Win32: real input, windows, screen, pictures, shell,
// message boxes, the message pump and the program's waits.
#include <cstdint>
#include <string>

#include "automation/Desktop.h"
#include "automation/win32/WaitTimer.h"

namespace ombrelt::win32 {

class Win32Desktop : public Desktop {
public:
    // Waits use a timer named after the executable name plus "Timer".
    Win32Desktop();
    explicit Win32Desktop(std::string waitTimerName);

    Point GetCursorPos() override;
    void SetCursorPos(std::int32_t x, std::int32_t y) override;
    void MouseEvent(std::uint32_t flags) override;
    void KeybdEvent(std::uint8_t vk, std::uint32_t flags) override;
    bool SendKeys(const std::string& keys) override;

    std::intptr_t SendMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam) override;
    WindowHandle FindWindow(const char* className, const char* title) override;
    WindowHandle FindWindowEx(WindowHandle parent, const char* className) override;
    Point ScreenToClient(WindowHandle window, Point screen) override;
    WindowHandle WindowFromPoint(Point screen) override;
    WindowHandle GetParent(WindowHandle window) override;
    std::string GetClassName(WindowHandle window) override;
    std::string GetWindowText(WindowHandle window) override;

    ScreenMetrics Screen() override;
    bool CaptureScreen(PixelBuffer& out) override;
    bool LoadPicture(const std::string& path, PixelBuffer& out) override;
    bool SavePicture(const std::string& path, const PixelBuffer& picture) override;

    std::int32_t ShellExecute(const std::string& file, const std::string& parameters, const std::string& folder,
                              std::int32_t show) override;
    std::int32_t MessageBox(const std::string& text, const std::string& title, std::uint32_t flags) override;

    std::uint32_t TickCount() override;
    void PumpMessages() override;
    void PumpIfDue() override;
    using Desktop::Wait;
    void Wait(std::int32_t ms, const WaitStop& stop) override;

    const WaitTimer& Waits() const { return waits_; }

    // Returns once the keys and clicks synthesised since the last call have
    // been taken by the threads they went to (at most a few seconds), so a
    // window of ours activated next cannot take them. Nothing to wait for
    // when no input was synthesised.
    void AwaitInputDelivered();

private:
    WaitTimer waits_;
    std::int64_t pumpInterval_;  // performance-counter ticks in 1 ms
    std::int64_t lastPump_ = 0;
    bool inputSent_ = false;  // since the last AwaitInputDelivered
};

}  // namespace ombrelt::win32
