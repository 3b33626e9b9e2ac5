#pragma once
// UniSock: an asynchronous IPv4 socket for TCP and UDP. Nothing blocks: name
// lookups, connections, receiving and sending complete through notifications
// that Windows Sockets posts to the object's own hidden window, and the
// object turns them into events on the GUI thread.
//
// Misuse (wrong state, bad argument, unsupported type) is raised to the
// caller as UniSockError; failures of the library and of notifications go to
// the Error event (with StatusChange 9) and leave State as it was.
//
// Events are raised from inside the window procedure while the thread
// dispatches messages; a handler that pumps lets further notifications of the
// same object run inside it. Handlers must not throw: the window procedure
// cannot carry an exception back through the system, so it drops it.
//
// The object is neither copyable nor movable: its window holds its address.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "net/SendQueue.h"
#include "net/TextLines.h"
#include "net/SystemErrorText.h"
#include "net/UniSockError.h"
#include "net/Variant.h"
#include "net/WinsockHandles.h"

namespace ombrelt::net {

namespace UniSockState {
inline constexpr std::int32_t Closed = 0;
inline constexpr std::int32_t Open = 1;
inline constexpr std::int32_t ResolvingHost = 4;
inline constexpr std::int32_t HostResolved = 5;
inline constexpr std::int32_t Connecting = 6;
inline constexpr std::int32_t Connected = 7;
inline constexpr std::int32_t Closing = 8;
inline constexpr std::int32_t Error = 9;  // passed to StatusChange and Error, never stored
}  // namespace UniSockState

// What the Error event carries. A handler may change Description, and may set
// CancelDisplay false to have the description shown in a message box titled
// with Source.
struct UniSockErrorEvent {
    std::int32_t Number = 0;
    std::string Description;
    std::int32_t sCode = 0;
    std::string Source;  // "UniSock." + the member that failed, or "UniSock"
    std::string HelpFile;
    std::int32_t HelpContext = 0;
    bool CancelDisplay = true;
};

struct UniSockEvents {
    std::function<void()> Closing;  // the peer closed; the object closes next
    std::function<void()> Connect;  // connected, or a connection taken over by Accept
    // A listening object accepted a connection; call Accept(requestID) on
    // another closed object during this event to take it, or it is closed.
    // A connection that comes while the handler pumps is offered after it
    // has returned, or thrown.
    std::function<void(std::uintptr_t requestID)> ConnectionRequest;
    std::function<void(std::int32_t bytesTotal)> DataArrival;  // bytes of this receive
    std::function<void(UniSockErrorEvent& error)> Error;
    std::function<void()> SendComplete;
    std::function<void(std::int32_t bytesSent, std::int32_t bytesRemaining)> SendProgress;
    std::function<void(std::int32_t status)> StatusChange;
    // A line in text mode: UTF-16LE bytes when ansi is false, the line's own
    // bytes (in the sender's code page) when it is true.
    std::function<void(const std::string& text, std::int32_t lineChange, bool ansi)> TextArrival;
};

class UniSock {
public:
    UniSock();
    ~UniSock();
    UniSock(const UniSock&) = delete;
    UniSock& operator=(const UniSock&) = delete;

    UniSockEvents Events;

    bool Accept(std::uintptr_t requestID);
    // An empty localIP binds to the first address of the local host's name,
    // which the caller's variable then receives.
    bool Bind(std::int32_t localPort, std::string& localIP);
    bool Bind(std::int32_t localPort = 0, const std::string& localIP = {});
    std::int32_t BytesReceived() const;
    bool CloseSocket();
    // An empty host keeps RemoteHost; a port outside 1 to 65535 keeps RemotePort.
    bool Connect(const std::string& remoteHost = {}, std::int32_t remotePort = 0);
    // A non-empty data's own type replaces varType.
    bool GetData(Variant& data, std::int32_t varType = vbEmpty, std::int32_t maxLen = 0);
    std::int32_t LineChange() const;
    void SetLineChange(std::int32_t lineChange);
    bool Listen();
    std::string LocalHostname();
    std::string LocalIP();
    std::int32_t LocalPort() const;
    void SetLocalPort(std::int32_t port);
    std::int32_t Mode() const { return mode_; }
    void SetMode(std::int32_t mode) { mode_ = mode; }
    bool PeekData(Variant& data, std::int32_t varType = vbEmpty, std::int32_t maxLen = 0);
    std::int32_t Protocol() const { return protocol_; }
    void SetProtocol(std::int32_t protocol);
    const std::string& RemoteHost() const { return remoteHost_; }
    void SetRemoteHost(const std::string& host);
    std::string RemoteHostIP() const;
    std::uint32_t RemoteIP() const { return remoteIP_; }  // network byte order
    std::int32_t RemotePort() const { return remotePort_; }
    void SetRemotePort(std::int32_t port);
    std::string RequestHost();
    std::string RequestIP() const;
    std::int32_t RequestPort() const;
    bool SendData(const Variant& data);
    // Format 0 UTF-8, 1 the system code page, any other UTF-16LE; each with
    // the line separator behind the text.
    bool SendText(std::u16string_view text, std::int32_t textFormat = 0);
    std::intptr_t SocketHandle() const;  // -1 when there is none
    std::int32_t State() const { return state_; }

    // The hidden window that receives the object's notifications.
    HWND EventWindow() const { return window_.Get(); }

private:
    // What a listening object hands to the object that takes a connection over.
    struct Request {
        Socket socket;
        sockaddr_in address{};
        std::string earlyData;
    };

    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void LookupDone(HANDLE task, int error);
    void SocketNotification(WPARAM wParam, LPARAM lParam);
    void Private_Message(int eventCode);
    void SetState(std::int32_t newState, const std::string& source = {}, std::int32_t errNumber = 0,
                  std::string description = {});
    template <class Handler, class... Args>
    void Raise(const Handler& handler, Args&&... args);

    // The system's own text for an error number (net::SystemErrorText);
    // the class reports its fixed texts, so nothing calls it.
    static std::string SystemErrorText(std::int32_t number) { return net::SystemErrorText(number); }

    bool CreateSocket(const char* caller);
    void EndLookup();
    bool ConnectIP(std::uint32_t ip);
    bool Private_Bind(std::int32_t localPort, std::string& localIP);
    Request HandOverRequest(HWND acceptorWindow);
    static UniSock* FindListener(std::uintptr_t requestID);
    void ResetConnection();

    void OnAccept();
    void OfferRequest();
    void OnConnect();
    void OnRead();
    void OnClose();
    void ReceiveStream();
    void ReceiveEarlyData();
    void Received(std::int32_t count);
    void RunTextPath();
    void RaiseLines();
    void ResumeTextPath();  // lines a throwing TextArrival handler left
    void FinishClose();     // Closing and the close, once no line is left to hand out
    bool DatagramReady() const;
    std::int32_t Waiting(SOCKET socket) const;
    void Drain();
    void DrainDatagram();
    void Queue(std::string bytes);

    std::string Private_LocalHostName();
    std::uint32_t Private_LocalIP(std::string& host);
    std::int32_t BoundLocalPort() const;
    std::string HostNameOf(const sockaddr_in& address, const char* caller);

    // Declared first so that they go last: the library is shut down, then the
    // window destroyed, then its class unregistered.
    WindowClass windowClass_;
    Window window_;
    WinsockUse winsock_;

    std::int32_t state_ = UniSockState::Closed;
    Socket socket_;
    std::int32_t protocol_ = 0;
    std::int32_t mode_ = 0;
    std::string remoteHost_;
    std::int32_t remotePort_ = 80;
    std::uint32_t remoteIP_ = 0;
    std::int32_t localPort_ = 0;
    std::string boundLocalIP_;
    std::int32_t boundPort_ = 0;

    LookupTask lookupTask_;
    GlobalBlock lookupBuffer_;

    std::string received_;
    std::int32_t receiveChunk_ = 0;
    SendQueue sendQueue_;
    std::int32_t sendChunk_ = 0;
    std::string lineSeparator_ = "\r\n";

    Socket requestSocket_;
    sockaddr_in requestAddress_{};
    std::string requestEarlyData_;
    std::map<SOCKET, HWND> acceptorWindows_;  // sockets taken over -> the taking object's window

    bool offering_ = false;       // a ConnectionRequest handler runs
    bool acceptWaiting_ = false;  // and another connection came meanwhile
    bool peeking_ = false;
    unsigned datagramReads_ = 0;  // reads that took a datagram off the socket
    bool cuttingLines_ = false;   // the text path is raising lines
    bool moreLines_ = false;      // bytes arrived while it did
    std::deque<ReceivedLine> linesOut_;  // cut, not yet handed to TextArrival
    bool closeAfterLines_ = false;       // the peer closed: Closing comes after its last byte and line
    bool finishingClose_ = false;        // FinishClose is handing them out, or raising Closing
    std::uint32_t connectionEnds_ = 0;   // connections closed so far (ResetConnection)
};

}  // namespace ombrelt::net
