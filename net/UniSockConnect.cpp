// UniSock: creating, connecting, binding, listening on, taking over and
// closing the socket.
#include "net/Address.h"
#include "net/UniSockInternal.h"

namespace ombrelt::net {
namespace {

// A socket option's value, or `fallback` when it cannot be read or is not
// positive.
std::int32_t SocketOption(SOCKET socket, int option, std::int32_t fallback) {
    int value = 0;
    int length = sizeof value;
    if (getsockopt(socket, SOL_SOCKET, option, reinterpret_cast<char*>(&value), &length) != 0 || value < 1)
        return fallback;
    return value;
}

}  // namespace

bool UniSock::CreateSocket(const char* caller) {
    const bool tcp = protocol_ == 0;
    const SOCKET created = socket(AF_INET, tcp ? SOCK_STREAM : SOCK_DGRAM, tcp ? IPPROTO_TCP : IPPROTO_UDP);
    if (created == INVALID_SOCKET) return false;
    socket_ = Socket(created);
    if (tcp) {
        receiveChunk_ = SocketOption(created, SO_RCVBUF, receiveChunk_);
        sendChunk_ = SocketOption(created, SO_SNDBUF, sendChunk_);
    } else {
        const BOOL broadcast = TRUE;
        setsockopt(created, SOL_SOCKET, SO_BROADCAST, reinterpret_cast<const char*>(&broadcast), sizeof broadcast);
        receiveChunk_ = sendChunk_ = SocketOption(created, SO_MAX_MSG_SIZE, receiveChunk_);
    }
    if (receiveChunk_ < 1) receiveChunk_ = kDefaultChunk;
    if (sendChunk_ < 1) sendChunk_ = kDefaultChunk;
    if (WSAAsyncSelect(created, window_.Get(), kSocketMessage, kSocketEvents) != 0)
        SetState(UniSockState::Error, caller, WSAGetLastError());
    return true;
}

void UniSock::EndLookup() {
    if (!lookupTask_) return;
    lookupTask_.Cancel();
    // The system may still write a late reply into the block (Wine does not
    // cancel), so a block that a lookup was given is never freed under it.
    lookupBuffer_.Abandon();
}

bool UniSock::Connect(const std::string& remoteHost, std::int32_t remotePort) {
    if (!winsock_.Started()) {
        SetState(UniSockState::Error, "Connect");
        return false;
    }
    if (!remoteHost.empty()) remoteHost_ = remoteHost;
    if (IsPort(remotePort)) remotePort_ = remotePort;
    if (remoteHost_.empty()) {
        SetState(UniSockState::Error, "Connect");
        return false;
    }
    if (!socket_ && !CreateSocket("Connect")) {
        SetState(UniSockState::Error, "Connect", WSAGetLastError());
        return false;
    }
    if (protocol_ != 0) {
        std::string localIP;
        return Private_Bind(0, localIP);
    }

    const std::uint32_t ip = inet_addr(remoteHost_.c_str());
    if (ip != INADDR_NONE) return ConnectIP(ip);

    EndLookup();
    if (!lookupBuffer_.Allocate(kLookupBufferSize)) {
        SetState(UniSockState::Error, "Connect", static_cast<std::int32_t>(GetLastError()),
                 "Could not allocate memory for asynchronous process.");
        return false;
    }
    void* buffer = GlobalLock(lookupBuffer_.Get());
    if (!buffer) {
        const auto error = static_cast<std::int32_t>(GetLastError());
        lookupBuffer_.Free();
        SetState(UniSockState::Error, "Connect", error, "Failed to get pointer to allocated memory.");
        return false;
    }
    GlobalUnlock(lookupBuffer_.Get());  // a fixed block stays where it is
    const HANDLE task = WSAAsyncGetHostByName(window_.Get(), kLookupMessage, remoteHost_.c_str(),
                                              static_cast<char*>(buffer), kLookupBufferSize);
    if (!task) {
        lookupBuffer_.Free();
        SetState(UniSockState::Error);
        return false;
    }
    lookupTask_.Set(task);
    SetState(UniSockState::ResolvingHost);
    return true;
}

bool UniSock::ConnectIP(std::uint32_t ip) {
    if (!winsock_.Started() || !socket_ || !IsPort(remotePort_)) {
        SetState(UniSockState::Error, "ConnectIP");
        return false;
    }
    SetState(UniSockState::Connecting);
    remoteIP_ = ip;
    const sockaddr_in address = SocketAddress(ip, remotePort_);
    if (connect(socket_.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) return true;
    const int error = WSAGetLastError();
    if (error == WSAEWOULDBLOCK) return true;  // under way; FD_CONNECT follows
    if (error == WSAEADDRNOTAVAIL) throw UniSockError(error, "ConnectIP");
    SetState(UniSockState::Error, "ConnectIP", error);
    return false;
}

bool UniSock::Bind(std::int32_t localPort, std::string& localIP) {
    if (!winsock_.Started()) return false;
    if (!socket_ && !CreateSocket("Bind")) return false;
    return Private_Bind(localPort, localIP);
}

bool UniSock::Bind(std::int32_t localPort, const std::string& localIP) {
    std::string address = localIP;
    return Bind(localPort, address);
}

bool UniSock::Private_Bind(std::int32_t localPort, std::string& localIP) {
    // Already bound, also to a port the system chose: binding again would fail.
    if (state_ == UniSockState::Open || (socket_ && boundPort_ != 0)) return true;
    if (!socket_) return false;
    const std::int32_t port = IsPort(localPort) ? localPort : localPort_;
    const std::uint32_t ip = Private_LocalIP(localIP);
    const sockaddr_in address = SocketAddress(ip, port);
    if (bind(socket_.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        SetState(UniSockState::Error, "Private_Bind", WSAGetLastError());
        return false;
    }
    boundLocalIP_ = DottedAddress(ip);
    if (port != 0) {
        localPort_ = port;
        SetState(UniSockState::Open);
    } else if (const std::int32_t chosen = BoundLocalPort(); chosen >= 0) {
        boundPort_ = chosen;
    } else {
        SetState(UniSockState::Error, "Private_Bind", WSAGetLastError());
    }
    return true;
}

bool UniSock::Listen() {
    if (state_ != UniSockState::Closed && state_ != UniSockState::Open)
        throw UniSockError(ErrInvalidState, "Listen");
    if (!Bind()) return false;
    if (listen(socket_.Get(), 5) != 0) throw UniSockError(WSAGetLastError(), "Listen");
    return true;
}

UniSock* UniSock::FindListener(std::uintptr_t requestID) {
    // The identity is only a number from the caller: the window must be one
    // of ours, on this thread, bound to exactly that object.
    const HWND window = FindWindowW(ClassNameOf(requestID).c_str(), TitleOf(requestID).c_str());
    if (!window || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return nullptr;
    const auto bound = static_cast<std::uintptr_t>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return bound == requestID ? reinterpret_cast<UniSock*>(requestID) : nullptr;
}

bool UniSock::Accept(std::uintptr_t requestID) {
    if (state_ != UniSockState::Closed || requestID == 0) throw UniSockError(ErrInvalidState, "Accept");
    UniSock* listener = FindListener(requestID);
    if (!listener) throw UniSockError(ErrBadArgument, "Accept");
    // Outside ConnectionRequest there is nothing to take over.
    if (listener == this || !listener->requestSocket_) throw UniSockError(ErrInvalidState, "Accept");
    CloseSocket();

    Request request = listener->HandOverRequest(window_.Get());
    socket_ = std::move(request.socket);
    received_ = std::move(request.earlyData);
    protocol_ = 0;
    receiveChunk_ = SocketOption(socket_.Get(), SO_RCVBUF, receiveChunk_ > 0 ? receiveChunk_ : kDefaultChunk);
    sendChunk_ = SocketOption(socket_.Get(), SO_SNDBUF, sendChunk_ > 0 ? sendChunk_ : kDefaultChunk);
    if (WSAAsyncSelect(socket_.Get(), window_.Get(), kSocketMessage, kSocketEvents) != 0)
        SetState(UniSockState::Error, "Accept", WSAGetLastError());
    sockaddr_in local{};
    int length = sizeof local;
    if (getsockname(socket_.Get(), reinterpret_cast<sockaddr*>(&local), &length) != 0) {
        SetState(UniSockState::Error, "Accept", WSAGetLastError());
    } else {
        boundLocalIP_ = DottedAddress(local.sin_addr.s_addr);
        boundPort_ = ntohs(local.sin_port);
    }
    remoteHost_ = HostNameOf(request.address, "RequestHost");
    remoteIP_ = request.address.sin_addr.s_addr;
    remotePort_ = ntohs(request.address.sin_port);
    requestSocket_.Close();
    requestAddress_ = {};

    SetState(UniSockState::Connected);
    Raise(Events.Connect);
    // Bytes that came before the hand-over are announced now; new ones bring
    // their own notifications.
    if (socket_ && !received_.empty()) Received(static_cast<std::int32_t>(received_.size()));
    return true;
}

UniSock::Request UniSock::HandOverRequest(HWND acceptorWindow) {
    Request request;
    if (!requestSocket_) return request;
    acceptorWindows_.emplace(requestSocket_.Get(), acceptorWindow);
    request.socket = std::move(requestSocket_);
    request.address = std::exchange(requestAddress_, {});
    request.earlyData = std::exchange(requestEarlyData_, {});
    return request;
}

bool UniSock::CloseSocket() {
    // Closed with nothing open. (A socket bound or listening on a port the
    // system chose is open in state 0 too, and is closed here.)
    if (state_ == UniSockState::Closed && !socket_ && !lookupTask_) return false;
    SetState(UniSockState::Closing);
    EndLookup();
    lookupBuffer_.Free();
    bool closed = false;
    if (socket_) {
        if (const int error = socket_.Close(); error == 0)
            closed = true;
        else
            SetState(UniSockState::Error, "CloseSocket", error);
    }
    ResetConnection();
    SetState(UniSockState::Closed);
    return closed;
}

void UniSock::ResetConnection() {
    ++connectionEnds_;
    received_.clear();
    linesOut_.clear();
    closeAfterLines_ = false;
    boundLocalIP_.clear();
    localPort_ = 0;
    boundPort_ = 0;
    acceptorWindows_.clear();
    requestEarlyData_.clear();
    requestSocket_.Close();
    requestAddress_ = {};
    sendQueue_.Clear();
    socket_.Close();
}

}  // namespace ombrelt::net
