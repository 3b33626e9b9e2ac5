#pragma once
// Owners of the socket class's system resources: each releases its resource
// once, cannot be copied and hands it on when moved.
#include <winsock2.h>
#include "automation/win32/WinApi.h"  // windows.h without the macros that rename methods

#include <string>
#include <utility>

namespace ombrelt::net {

class Socket {
public:
    Socket() = default;
    explicit Socket(SOCKET handle) : handle_(handle) {}
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    Socket(Socket&& other) noexcept : handle_(other.Release()) {}
    Socket& operator=(Socket&& other) noexcept {
        if (this != &other) {
            Close();
            handle_ = other.Release();
        }
        return *this;
    }
    ~Socket() { Close(); }

    SOCKET Get() const { return handle_; }
    explicit operator bool() const { return handle_ != INVALID_SOCKET; }
    SOCKET Release() { return std::exchange(handle_, INVALID_SOCKET); }
    // 0, or the library's error; the handle is given up either way.
    int Close() {
        if (handle_ == INVALID_SOCKET) return 0;
        const int result = closesocket(Release());
        return result == 0 ? 0 : WSAGetLastError();
    }

private:
    SOCKET handle_ = INVALID_SOCKET;
};

// This object's use of the socket library (version 2.2).
class WinsockUse {
public:
    WinsockUse() = default;
    WinsockUse(const WinsockUse&) = delete;
    WinsockUse& operator=(const WinsockUse&) = delete;
    ~WinsockUse() {
        if (started_) WSACleanup();
    }
    bool Start() {
        WSADATA data;
        started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
        return started_;
    }
    bool Started() const { return started_; }

private:
    bool started_ = false;
};

class WindowClass {
public:
    WindowClass() = default;
    WindowClass(const WindowClass&) = delete;
    WindowClass& operator=(const WindowClass&) = delete;
    ~WindowClass() {
        if (atom_) UnregisterClassW(reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(atom_)), instance_);
    }
    bool Register(const std::wstring& name, WNDPROC procedure, HINSTANCE instance) {
        WNDCLASSW record{};
        record.lpfnWndProc = procedure;
        record.hInstance = instance;
        record.lpszClassName = name.c_str();
        atom_ = RegisterClassW(&record);
        instance_ = instance;
        return atom_ != 0;
    }
    explicit operator bool() const { return atom_ != 0; }

private:
    ATOM atom_ = 0;
    HINSTANCE instance_ = nullptr;
};

class Window {
public:
    Window() = default;
    explicit Window(HWND handle) : handle_(handle) {}
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    ~Window() {
        if (handle_) DestroyWindow(handle_);
    }
    HWND Get() const { return handle_; }
    void Attach(HWND handle) {
        if (handle_) DestroyWindow(handle_);
        handle_ = handle;
    }

private:
    HWND handle_ = nullptr;
};

// A fixed global memory block.
class GlobalBlock {
public:
    GlobalBlock() = default;
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;
    ~GlobalBlock() { Free(); }
    // False with the system's last error set when it cannot be had.
    bool Allocate(SIZE_T size) {
        Free();
        handle_ = GlobalAlloc(GMEM_FIXED, size);
        return handle_ != nullptr;
    }
    explicit operator bool() const { return handle_ != nullptr; }
    HGLOBAL Get() const { return handle_; }
    void Free() {
        if (handle_) GlobalFree(std::exchange(handle_, nullptr));
    }
    // Gives the block up without freeing it.
    void Abandon() { handle_ = nullptr; }

private:
    HGLOBAL handle_ = nullptr;
};

// A pending asynchronous host-name lookup; cancelled when released.
class LookupTask {
public:
    LookupTask() = default;
    LookupTask(const LookupTask&) = delete;
    LookupTask& operator=(const LookupTask&) = delete;
    ~LookupTask() { Cancel(); }
    void Set(HANDLE task) {
        Cancel();
        task_ = task;
    }
    HANDLE Get() const { return task_; }
    explicit operator bool() const { return task_ != nullptr; }
    void Cancel() {
        if (task_) WSACancelAsyncRequest(std::exchange(task_, nullptr));
    }
    // The lookup completed: nothing left to cancel.
    void Done() { task_ = nullptr; }

private:
    HANDLE task_ = nullptr;
};

}  // namespace ombrelt::net
