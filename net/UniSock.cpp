// UniSock: construction, the event window and its procedure, states, and the
// notifications that drive the object.
#include "net/TextLines.h"
#include "net/UniSockInternal.h"

namespace ombrelt::net {
namespace {

HINSTANCE ModuleInstance() { return GetModuleHandleW(nullptr); }

}  // namespace

UniSock::UniSock() {
    const auto identity = reinterpret_cast<std::uintptr_t>(this);
    const std::wstring className = ClassNameOf(identity);
    if (windowClass_.Register(className, &UniSock::WindowProcedure, ModuleInstance())) {
        const std::wstring title = TitleOf(identity);
        window_.Attach(CreateWindowExW(0, className.c_str(), title.c_str(), 0, 0, 0, 0, 0, nullptr,
                                       nullptr, ModuleInstance(), this));
        if (window_.Get()) winsock_.Start();
    }
}

UniSock::~UniSock() {
    try {
        CloseSocket();
    } catch (...) {
        // an event handler threw; the object goes all the same
    }
    EndLookup();
    if (window_.Get()) SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, 0);
}

LRESULT CALLBACK UniSock::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<UniSock*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || message < kLookupMessage || message > kLinesMessage)
        return DefWindowProcW(window, message, wParam, lParam);
    return self->WndProc(window, message, wParam, lParam);
}

LRESULT UniSock::WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == kLookupMessage)
            LookupDone(reinterpret_cast<HANDLE>(wParam), WSAGETASYNCERROR(lParam));
        else if (message == kLinesMessage)
            ResumeTextPath();
        else
            SocketNotification(wParam, lParam);
    } catch (const UniSockError& error) {
        // Raised by the object's own code inside a notification (a connect
        // after a lookup that cannot use the address): tell the owner.
        try {
            SetState(UniSockState::Error, error.Source().substr(sizeof("UniSock.") - 1), error.Number());
        } catch (...) {
        }
    } catch (...) {
        // from an event handler; nothing can carry it further
    }
    return 0;
}

void UniSock::LookupDone(HANDLE task, int error) {
    // A late reply of a lookup that was cancelled or replaced is not ours.
    if (!lookupTask_ || task != lookupTask_.Get()) return;
    lookupTask_.Done();
    if (error != 0) {
        lookupBuffer_.Free();
        SetState(UniSockState::Error, "Connect", error);
        return;
    }
    SetState(UniSockState::HostResolved);
    std::uint32_t ip = 0;
    const bool found = lookupBuffer_ && FirstAddress(static_cast<const hostent*>(lookupBuffer_.Get()), ip);
    lookupBuffer_.Free();
    if (!found) {
        SetState(UniSockState::Error, "Connect", WSANO_DATA);
        return;
    }
    ConnectIP(ip);
}

void UniSock::SocketNotification(WPARAM wParam, LPARAM lParam) {
    const auto socket = static_cast<SOCKET>(wParam);
    const int eventCode = WSAGETSELECTEVENT(lParam);
    const int error = WSAGETSELECTERROR(lParam);
    if (socket_ && socket == socket_.Get()) {
        if (error != 0)
            SetState(UniSockState::Error, "WndProc", error);
        else
            Private_Message(eventCode);
    } else if (requestSocket_ && socket == requestSocket_.Get()) {
        if (error != 0)
            SetState(UniSockState::Error, "WndProc", error);
        else if (eventCode == FD_READ)
            ReceiveEarlyData();
    } else if (socket_) {
        // A connection this listener accepted and another object took over:
        // notifications queued here before the hand-over belong to that object.
        const auto it = acceptorWindows_.find(socket);
        if (it != acceptorWindows_.end()) PostMessageW(it->second, kSocketMessage, wParam, lParam);
    }
}

void UniSock::Private_Message(int eventCode) {
    switch (eventCode) {
    case FD_ACCEPT: OnAccept(); break;
    case FD_CONNECT: OnConnect(); break;
    case FD_READ: OnRead(); break;
    case FD_WRITE: Drain(); break;
    case FD_CLOSE: OnClose(); break;
    default: break;
    }
}

void UniSock::SetState(std::int32_t newState, const std::string& source, std::int32_t errNumber,
                       std::string description) {
    if (newState != UniSockState::Error) state_ = newState;
    Raise(Events.StatusChange, newState);
    if (errNumber == 0) return;
    if (description.empty()) description = ErrorDescription(errNumber);
    UniSockErrorEvent error;
    error.Number = errNumber;
    error.Description = std::move(description);
    error.Source = source.empty() ? "UniSock" : "UniSock." + source;
    const std::string title = error.Source;
    Raise(Events.Error, error);
    if (!error.CancelDisplay)
        MessageBoxA(nullptr, error.Description.c_str(), title.c_str(), MB_ICONEXCLAMATION | MB_OK);
}

void UniSock::OnAccept() {
    // A ConnectionRequest handler pumped messages: the new connection stays
    // in the backlog (no further FD_ACCEPT comes until one is accepted) and
    // is offered once the handler has returned, so the request it is
    // deciding is not replaced.
    if (offering_) {
        acceptWaiting_ = true;
        return;
    }
    // A handler that throws leaves through here: a connection that came
    // while it ran is offered from the message queue, or the listener would
    // hear of no connection again.
    const ScopeExit offerLater([this] {
        if (acceptWaiting_ && socket_)
            PostMessageW(window_.Get(), kSocketMessage, socket_.Get(), WSAMAKESELECTREPLY(FD_ACCEPT, 0));
        acceptWaiting_ = false;
    });
    do {
        acceptWaiting_ = false;
        OfferRequest();
    } while (acceptWaiting_ && socket_);
}

void UniSock::OfferRequest() {
    sockaddr_in address{};
    int length = sizeof address;
    const SOCKET accepted = accept(socket_.Get(), reinterpret_cast<sockaddr*>(&address), &length);
    if (accepted == INVALID_SOCKET) {
        SetState(UniSockState::Error, "Private_Message", WSAGetLastError());
        return;
    }
    int closeError = 0;
    {
        // However the handler leaves, by an exception too, the request ends:
        // a connection nobody took over is closed at once.
        const ScopeExit endRequest([&] {
            requestAddress_ = {};
            requestEarlyData_.clear();
            closeError = requestSocket_.Close();
        });
        requestSocket_ = Socket(accepted);
        requestAddress_ = address;
        FlagScope offering(offering_);
        Raise(Events.ConnectionRequest, reinterpret_cast<std::uintptr_t>(this));
    }
    if (closeError != 0) SetState(UniSockState::Error, "Private_Message", closeError);
}

void UniSock::OnConnect() {
    sockaddr_in peer{};
    int length = sizeof peer;
    if (getpeername(socket_.Get(), reinterpret_cast<sockaddr*>(&peer), &length) != 0) {
        SetState(UniSockState::Error, "Private_Message", WSAGetLastError());
        return;
    }
    remotePort_ = ntohs(peer.sin_port);
    remoteIP_ = peer.sin_addr.s_addr;
    SetState(UniSockState::Connected);
    Raise(Events.Connect);
}

void UniSock::OnClose() {
    // From here on Closing is owed: it comes once everything the peer sent
    // before its close has been handed out, however a handler leaves.
    closeAfterLines_ = true;
    FinishClose();
}

void UniSock::FinishClose() {
    // While a TextArrival handler pumps (a message box) the text path closes
    // after its last line; a close already under way goes on by itself, also
    // while the Closing handler pumps and the close is announced again.
    if (!closeAfterLines_ || cuttingLines_ || finishingClose_) return;
    FlagScope finishing(finishingClose_);
    // A handler may close the socket and connect anew: that connection is
    // not this close's to end.
    const std::uint32_t connection = connectionEnds_;
    const auto stillOpen = [&] { return socket_ && connection == connectionEnds_; };
    // A handler that throws leaves through here, and a close that came for
    // a new connection meanwhile waits here: either goes on from the queue.
    const ScopeExit goOnLater([this] {
        if (closeAfterLines_ && socket_) PostMessageW(window_.Get(), kLinesMessage, 0, 0);
    });
    // Bytes the peer sent before closing may still wait in the socket: hand
    // them on before the socket and whatever it holds are closed, and the
    // lines a throwing handler left with them.
    for (int i = 0; i < 1024 && stillOpen() && protocol_ == 0 && Waiting(socket_.Get()) > 0; ++i)
        ReceiveStream();
    if (stillOpen() && (!linesOut_.empty() || mode_ != 0)) RunTextPath();
    if (!stillOpen()) return;  // a handler closed it
    closeAfterLines_ = false;
    // The socket is closed however the Closing handler leaves.
    try {
        Raise(Events.Closing);
    } catch (...) {
        if (stillOpen()) CloseSocket();
        throw;
    }
    if (stillOpen()) CloseSocket();
}

}  // namespace ombrelt::net
