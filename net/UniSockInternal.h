#pragma once
// Shared by the files that implement UniSock.
#include <ws2tcpip.h>

#include <cstring>

#include "net/UniSock.h"

namespace ombrelt::net {

inline constexpr UINT kLookupMessage = 0x800;  // host lookup done
inline constexpr UINT kSocketMessage = 0x801;  // socket notification
inline constexpr UINT kLinesMessage = 0x802;   // lines left by a TextArrival handler that threw
inline constexpr long kSocketEvents = FD_READ | FD_WRITE | FD_ACCEPT | FD_CONNECT | FD_CLOSE;
inline constexpr DWORD kLookupBufferSize = MAXGETHOSTSTRUCT;  // 1024
// Used when the socket will not tell its buffer sizes, so that receiving and
// sending always advance.
inline constexpr std::int32_t kDefaultChunk = 8192;

inline bool IsPort(std::int32_t port) { return port >= 1 && port <= 65535; }

inline sockaddr_in SocketAddress(std::uint32_t ip, std::int32_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(port));
    address.sin_addr.s_addr = ip;
    return address;
}

// The first IPv4 address of a host entry, or nothing when it holds none.
inline bool FirstAddress(const hostent* entry, std::uint32_t& ip) {
    if (!entry || entry->h_addrtype != AF_INET || entry->h_length != 4 || !entry->h_addr_list ||
        !entry->h_addr_list[0])
        return false;
    std::memcpy(&ip, entry->h_addr_list[0], 4);
    return true;
}

inline std::wstring Widen(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

// "UniSock" and the object's address in upper-case hexadecimal, zero-padded
// to the width of an address: unique for each live object.
inline std::wstring ClassNameOf(std::uintptr_t identity) {
    std::wstring name = L"UniSock";
    for (int shift = 8 * sizeof(void*) - 4; shift >= 0; shift -= 4)
        name += L"0123456789ABCDEF"[(identity >> shift) & 0xF];
    return name;
}

// The window's title is the object's address in decimal: how Accept finds a
// listening object.
inline std::wstring TitleOf(std::uintptr_t identity) { return Widen(std::to_string(identity)); }

// Sets a flag for a scope and clears it when the scope ends, also by an
// exception.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

// Runs an action when a scope ends, also by an exception. The action must
// not throw: it may run while an exception is on its way out.
template <class Action>
class ScopeExit {
public:
    explicit ScopeExit(Action action) : action_(std::move(action)) {}
    ~ScopeExit() { action_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    Action action_;
};

template <class Handler, class... Args>
void UniSock::Raise(const Handler& handler, Args&&... args) {
    if (!handler) return;
    const Handler call = handler;  // a handler may replace itself while it runs
    call(std::forward<Args>(args)...);
}

}  // namespace ombrelt::net
