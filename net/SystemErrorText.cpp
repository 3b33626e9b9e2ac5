#include "net/SystemErrorText.h"

#include <windows.h>

#include <memory>

namespace ombrelt::net {
namespace {

struct LocalDeleter {
    void operator()(char* block) const { LocalFree(block); }
};

}  // namespace

std::string SystemErrorText(std::int32_t number) {
    if (number == 0) return {};
    // The system sizes the buffer, so no text is cut; inserts are left as
    // they stand, since there are no arguments to put into them.
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        static_cast<DWORD>(number), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&text), 0,
        nullptr);
    const std::unique_ptr<char, LocalDeleter> owned(text);
    return length && text ? std::string(text, length) : std::string();
}

}  // namespace ombrelt::net
