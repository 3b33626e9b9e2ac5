#pragma once
// A desktop for native tests: records every call in order as one line of text
// ("MouseEvent 2", "SendMessage 7 513 0 655370"), and plays back a scripted
// screen, windows, pictures and message-box answers.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "automation/Desktop.h"

namespace ombrelt::testing {

class FakeDesktop : public Desktop {
public:
    // What the tests read.
    std::vector<std::string> Calls;
    struct ShownBox {
        std::string Text, Title;
        std::uint32_t Flags;
    };
    std::vector<ShownBox> Boxes;
    std::vector<std::int32_t> Waits;
    std::vector<std::string> SentKeys;
    std::map<std::string, PixelBuffer> SavedPictures;

    // What the tests set up.
    Point Cursor;
    ScreenMetrics Metrics{1024, 768, 15, 15};
    PixelBuffer ScreenImage;
    std::map<std::string, PixelBuffer> Pictures;  // loadable files
    std::map<std::string, WindowHandle> TopWindows;  // "class|title" -> handle
    std::map<std::string, WindowHandle> ChildWindows;  // "parent|class" -> handle
    Point ClientOrigin;  // ScreenToClient subtracts it
    std::uint32_t Ticks = 0;
    std::int32_t MessageBoxAnswer = 1;
    std::function<void()> OnPump;  // runs inside every pump (a host's timers)
    int Pumps = 0;

    Point GetCursorPos() override { return Cursor; }
    void SetCursorPos(std::int32_t x, std::int32_t y) override {
        Cursor = {x, y};
        Log("SetCursorPos " + std::to_string(x) + " " + std::to_string(y));
    }
    void MouseEvent(std::uint32_t flags) override { Log("MouseEvent " + std::to_string(flags)); }
    void KeybdEvent(std::uint8_t vk, std::uint32_t flags) override {
        Log("KeybdEvent " + std::to_string(vk) + " " + std::to_string(flags));
    }
    bool SendKeys(const std::string& keys) override {
        SentKeys.push_back(keys);
        Log("SendKeys " + keys);
        return true;
    }
    std::intptr_t SendMessage(WindowHandle w, std::uint32_t m, std::uintptr_t wp, std::intptr_t lp) override {
        Log("SendMessage " + std::to_string(w) + " " + std::to_string(m) + " " + std::to_string(wp) + " " +
            std::to_string(lp));
        return 0;
    }
    WindowHandle FindWindow(const char* cls, const char* title) override {
        std::string c = cls ? cls : "*", t = title ? title : "*";
        Log("FindWindow " + c + "|" + t);
        for (auto& [key, h] : TopWindows) {
            auto bar = key.find('|');
            if ((c == "*" || key.substr(0, bar) == c) && (t == "*" || key.substr(bar + 1) == t)) return h;
        }
        return 0;
    }
    WindowHandle FindWindowEx(WindowHandle parent, const char* cls) override {
        std::string c = cls ? cls : "*";
        Log("FindWindowEx " + std::to_string(parent) + " " + c);
        auto it = ChildWindows.find(std::to_string(parent) + "|" + c);
        return it == ChildWindows.end() ? 0 : it->second;
    }
    Point ScreenToClient(WindowHandle, Point p) override { return {p.x - ClientOrigin.x, p.y - ClientOrigin.y}; }
    WindowHandle WindowFromPoint(Point) override { return 0; }
    WindowHandle GetParent(WindowHandle) override { return 0; }
    std::string GetClassName(WindowHandle) override { return ""; }
    std::string GetWindowText(WindowHandle) override { return ""; }

    ScreenMetrics Screen() override { return Metrics; }
    bool CaptureScreen(PixelBuffer& out) override {
        Log("CaptureScreen");
        out = ScreenImage;
        return true;
    }
    bool LoadPicture(const std::string& path, PixelBuffer& out) override {
        Log("LoadPicture " + path);
        auto it = Pictures.find(path);
        if (it == Pictures.end()) {
            out.Clear();
            return false;
        }
        out = it->second;
        return true;
    }
    bool SavePicture(const std::string& path, const PixelBuffer& picture) override {
        Log("SavePicture " + path);
        SavedPictures[path] = picture;
        return true;
    }
    std::int32_t ShellExecute(const std::string& file, const std::string& params, const std::string& folder,
                              std::int32_t show) override {
        Log("ShellExecute " + file + "|" + params + "|" + folder + "|" + std::to_string(show));
        return 42;
    }
    std::int32_t MessageBox(const std::string& text, const std::string& title, std::uint32_t flags) override {
        Boxes.push_back({text, title, flags});
        Log("MessageBox " + text + "|" + title + "|" + std::to_string(flags));
        return MessageBoxAnswer;
    }
    std::uint32_t TickCount() override { return Ticks; }
    void PumpMessages() override {
        ++Pumps;
        if (OnPump) OnPump();
    }
    // A wait passes fake time (WaitedMs) one pump period at a time and, like
    // the real one, ends after a pump that leaves stop true.
    static constexpr std::int32_t PumpPeriodMs = 10;
    std::int64_t WaitedMs = 0;
    using Desktop::Wait;
    void Wait(std::int32_t ms, const WaitStop& stop) override {
        Waits.push_back(ms);
        Log("Wait " + std::to_string(ms));
        if (ms <= 0) {
            PumpMessages();
            return;
        }
        for (std::int32_t left = ms; left > 0;) {
            const std::int32_t step = std::min(left, PumpPeriodMs);
            WaitedMs += step;
            left -= step;
            PumpMessages();
            if (stop && stop()) return;
        }
    }

    // The calls whose text starts with prefix, in order.
    std::vector<std::string> CallsStartingWith(const std::string& prefix) const {
        std::vector<std::string> out;
        for (auto& c : Calls)
            if (c.rfind(prefix, 0) == 0) out.push_back(c);
        return out;
    }

private:
    void Log(std::string line) { Calls.push_back(std::move(line)); }
};

}  // namespace ombrelt::testing
