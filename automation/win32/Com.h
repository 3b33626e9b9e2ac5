#pragma once
// COM on the calling thread for one call, and an owning interface pointer.
#include "automation/win32/WinApi.h"

#include <objbase.h>

namespace ombrelt::win32 {

// Initialises COM for the scope; balanced only when this call succeeded (a
// thread already in another apartment keeps it).
class ComScope {
public:
    explicit ComScope(DWORD flags = COINIT_APARTMENTTHREADED) : ok_(SUCCEEDED(CoInitializeEx(nullptr, flags))) {}
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    ~ComScope() {
        if (ok_) CoUninitialize();
    }

private:
    bool ok_;
};

template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() {
        if (p_) p_->Release();
    }
    T** Out() { return &p_; }
    T* operator->() const { return p_; }
    T* Get() const { return p_; }

private:
    T* p_ = nullptr;
};

}  // namespace ombrelt::win32
