// The browser launcher's Win32 side: the scripting shell's registry reader
// and the start of the browser.
#include "automation/win32/WinApi.h"

#include <oleauto.h>

#include <string>

#include "editor/mdlURL.h"
#include "forms/Dialogs.h"

namespace ombrelt::mdlURL {

namespace {

// COM for the calling thread while one read runs.
struct ComScope {
    HRESULT hr = CoInitialize(nullptr);
    ~ComScope() {
        if (SUCCEEDED(hr)) CoUninitialize();
    }
};

struct DispatchRef {
    IDispatch* p = nullptr;
    ~DispatchRef() {
        if (p) p->Release();
    }
};

struct VariantValue {
    VARIANT v;
    VariantValue() { VariantInit(&v); }
    ~VariantValue() { VariantClear(&v); }
};

struct BString {
    BSTR s;
    explicit BString(const std::wstring& text) : s(SysAllocString(text.c_str())) {}
    ~BString() { SysFreeString(s); }
};

std::wstring Widen(const std::string& text) {
    const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

std::string Narrow(BSTR text) {
    const int length = static_cast<int>(SysStringLen(text));
    const int n = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, narrow.data(), n, nullptr, nullptr);
    return narrow;
}

}  // namespace

std::string ReadRegistryValue(const std::string& key) {
    ComScope com;
    CLSID clsid;
    if (FAILED(CLSIDFromProgID(L"wscript.shell", &clsid))) return {};
    DispatchRef shell;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                reinterpret_cast<void**>(&shell.p))))
        return {};
    OLECHAR name[] = L"RegRead";
    LPOLESTR names[] = {name};
    DISPID id;
    if (FAILED(shell.p->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return {};

    BString keyText(Widen(key));
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_BSTR;
    argument.bstrVal = keyText.s;
    DISPPARAMS parameters{&argument, nullptr, 1, 0};
    VariantValue result;
    if (FAILED(shell.p->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters, &result.v, nullptr,
                               nullptr)))
        return {};
    if (result.v.vt != VT_BSTR && FAILED(VariantChangeType(&result.v, &result.v, 0, VT_BSTR))) return {};
    return Narrow(result.v.bstrVal);
}

bool OpenURL(std::string& url) {
    const std::string command = BrowserCommandLine(ReadRegistryValue(std::string(BrowserCommandKey)), url);
    return forms::Shell(command, SW_SHOWMAXIMIZED) != 0;
}

}  // namespace ombrelt::mdlURL
