// UniSock: the properties of the socket and its two ends, and the local
// host's name and address.
#include "net/Address.h"
#include "net/UniSockInternal.h"

namespace ombrelt::net {
namespace {

// Text up to the first NUL of a fixed buffer (all of it when there is none).
std::string UpToNul(const char* buffer, std::size_t size) {
    return std::string(buffer, strnlen(buffer, size));
}

}  // namespace

std::intptr_t UniSock::SocketHandle() const {
    return socket_ ? static_cast<std::intptr_t>(socket_.Get()) : -1;
}

std::int32_t UniSock::LocalPort() const { return boundPort_ != 0 ? boundPort_ : localPort_; }

void UniSock::SetLocalPort(std::int32_t port) {
    if (state_ != UniSockState::Closed) throw UniSockError(ErrInvalidState, "LocalPort");
    if (port < 0 || port > 65535) throw UniSockError(ErrBadArgument, "LocalPort");
    localPort_ = port;
}

void UniSock::SetProtocol(std::int32_t protocol) {
    if (state_ != UniSockState::Closed) throw UniSockError(ErrInvalidState, "Protocol");
    protocol_ = protocol;
}

void UniSock::SetRemoteHost(const std::string& host) {
    if (protocol_ == 0 && state_ != UniSockState::Closed) throw UniSockError(ErrInvalidState, "RemoteHost");
    remoteHost_ = host;
}

void UniSock::SetRemotePort(std::int32_t port) {
    if (protocol_ == 0 && state_ != UniSockState::Closed) throw UniSockError(ErrInvalidState, "RemotePort");
    if (port < 0 || port > 65535) throw UniSockError(ErrBadArgument, "RemotePort");
    remotePort_ = port;
}

std::string UniSock::RemoteHostIP() const { return DottedAddress(remoteIP_); }

std::string UniSock::LocalHostname() { return Private_LocalHostName(); }

std::string UniSock::LocalIP() {
    if (state_ == UniSockState::Open || state_ == 2) return boundLocalIP_;
    std::string host;
    return DottedAddress(Private_LocalIP(host));
}

std::string UniSock::RequestHost() {
    if (!requestSocket_) return {};
    return HostNameOf(requestAddress_, "RequestHost");
}

std::string UniSock::RequestIP() const {
    return requestSocket_ ? DottedAddress(requestAddress_.sin_addr.s_addr) : std::string();
}

std::int32_t UniSock::RequestPort() const { return requestSocket_ ? ntohs(requestAddress_.sin_port) : 0; }

std::string UniSock::Private_LocalHostName() {
    char name[256];
    if (gethostname(name, sizeof name) != 0) {
        SetState(UniSockState::Error, "Private_LocalHostName", WSAGetLastError());
        return {};
    }
    return UpToNul(name, sizeof name);
}

std::uint32_t UniSock::Private_LocalIP(std::string& host) {
    const bool empty = host.empty();
    if (empty) {
        host = Private_LocalHostName();
    } else if (const std::uint32_t ip = inet_addr(host.c_str()); ip != INADDR_NONE) {
        return ip;
    }
    std::uint32_t ip = 0;
    if (FirstAddress(gethostbyname(host.c_str()), ip)) return ip;
    const int error = WSAGetLastError();
    SetState(UniSockState::Error, "Private_LocalIP", error != 0 ? error : WSANO_DATA);
    return empty ? 0 : INADDR_NONE;
}

std::int32_t UniSock::BoundLocalPort() const {
    sockaddr_in local{};
    int length = sizeof local;
    if (getsockname(socket_.Get(), reinterpret_cast<sockaddr*>(&local), &length) != 0) return -1;
    return ntohs(local.sin_port);
}

std::string UniSock::HostNameOf(const sockaddr_in& address, const char* caller) {
    char host[256];
    if (getnameinfo(reinterpret_cast<const sockaddr*>(&address), sizeof address, host, sizeof host, nullptr, 0, 0) !=
        0) {
        SetState(UniSockState::Error, caller, WSAGetLastError());
        return {};
    }
    return UpToNul(host, sizeof host);
}

}  // namespace ombrelt::net
