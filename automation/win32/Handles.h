#pragma once
// Owners of Win32 handles: each closes its handle once, cannot be copied and
// hands its handle on when moved.
#include <utility>

#include "automation/win32/WinApi.h"

namespace ombrelt::win32 {

template <class T, class Close>
class Owned {
public:
    Owned() = default;
    explicit Owned(T handle) : handle_(handle) {}
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, T{})) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, T{});
        }
        return *this;
    }
    ~Owned() { Reset(); }

    T Get() const { return handle_; }
    explicit operator bool() const { return handle_ != T{}; }
    void Reset() {
        if (handle_ != T{}) Close{}(handle_);
        handle_ = T{};
    }

private:
    T handle_{};
};

struct CloseKernelHandle {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
struct DeleteMemoryDc {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

using KernelHandle = Owned<HANDLE, CloseKernelHandle>;  // not for INVALID_HANDLE_VALUE results
using MemoryDc = Owned<HDC, DeleteMemoryDc>;
using GdiObject = Owned<HGDIOBJ, DeleteGdiObject>;

// A window's device context from GetDC, released to that window.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    WindowDc(WindowDc&& other) noexcept
        : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDc& operator=(WindowDc&&) = delete;
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// An object selected into a device context until the end of the scope.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace ombrelt::win32
