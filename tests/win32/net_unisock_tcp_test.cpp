// UniSock as a TCP client against loopback servers: states, properties,
// connecting, sending, receiving, closing and the failures on the way.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <stdexcept>

#include "net/SystemErrorText.h"
#include "net_loopback.h"

using namespace ombrelt::net;
using namespace ombrelt::testing;

namespace {

std::wstring ClassName(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}
std::wstring Title(HWND window) {
    wchar_t title[64] = {};
    GetWindowTextW(window, title, 64);
    return title;
}

// Runs f and returns the error it raised (number 0 when none).
template <class F>
UniSockError Raised(F&& f) {
    try {
        f();
    } catch (const UniSockError& error) {
        return error;
    }
    return UniSockError(0, "none");
}

// Connects a fresh object to the server and waits for the connection.
void ConnectTo(UniSock& sock, const LoopbackServer& server, EventLog& log) {
    ASSERT_TRUE(sock.Connect("127.0.0.1", server.Port()));
    ASSERT_TRUE(log.Await("connect"));
}

}  // namespace

TEST(NetUniSock, NewObjectsStartClosedWithTheirOwnWindows) {
    UniSock a, b;
    EXPECT_EQ(a.State(), UniSockState::Closed);
    EXPECT_EQ(a.SocketHandle(), -1);
    EXPECT_EQ(a.Protocol(), 0);
    EXPECT_EQ(a.RemotePort(), 80);
    EXPECT_EQ(a.LocalPort(), 0);
    EXPECT_EQ(a.RemoteIP(), 0u);
    EXPECT_EQ(a.RemoteHostIP(), "0.0.0.0");
    EXPECT_EQ(a.RequestHost(), "");
    EXPECT_EQ(a.RequestIP(), "");
    EXPECT_EQ(a.RequestPort(), 0);
    EXPECT_EQ(a.LineChange(), 1);
    EXPECT_EQ(a.BytesReceived(), 0);
    ASSERT_TRUE(a.EventWindow());
    EXPECT_FALSE(IsWindowVisible(a.EventWindow()));
    EXPECT_NE(ClassName(a.EventWindow()), ClassName(b.EventWindow()));
    EXPECT_EQ(ClassName(a.EventWindow()).substr(0, 7), L"UniSock");
    EXPECT_EQ(ClassName(a.EventWindow()).size(), 7 + 2 * sizeof(void*));
    EXPECT_EQ(Title(a.EventWindow()), std::to_wstring(reinterpret_cast<std::uintptr_t>(&a)));
    EXPECT_NE(Title(a.EventWindow()), Title(b.EventWindow()));

    EventLog log(a);
    EXPECT_FALSE(a.CloseSocket());  // closed: nothing to do, no event
    EXPECT_TRUE(log.lines.empty());
}

TEST(NetUniSock, PropertyAssignmentsFollowStateAndRange) {
    UniSock sock;
    sock.SetLocalPort(65535);
    EXPECT_EQ(sock.LocalPort(), 65535);
    for (int bad : {65536, -1}) {
        const UniSockError e = Raised([&] { sock.SetLocalPort(bad); });
        EXPECT_EQ(e.Number(), 40014);
        EXPECT_EQ(e.Source(), "UniSock.LocalPort");
    }
    EXPECT_EQ(Raised([&] { sock.SetRemotePort(70000); }).Number(), 40014);
    EXPECT_EQ(Raised([&] { sock.SetLineChange(4); }).Number(), 40014);
    EXPECT_EQ(Raised([&] { sock.SetLineChange(4); }).Source(), "UniSock.LineChange");
    sock.SetLineChange(2);
    EXPECT_EQ(sock.LineChange(), 2);
    sock.SetLocalPort(0);

    LoopbackServer server([](Peer& peer) { peer.AwaitClose(); });
    EventLog log(sock);
    ConnectTo(sock, server, log);
    for (auto& [name, assign] : std::vector<std::pair<std::string, std::function<void()>>>{
             {"LocalPort", [&] { sock.SetLocalPort(80); }},
             {"RemotePort", [&] { sock.SetRemotePort(8080); }},
             {"RemoteHost", [&] { sock.SetRemoteHost("other"); }},
             {"Protocol", [&] { sock.SetProtocol(1); }},
             {"Listen", [&] { sock.Listen(); }},
         }) {
        const UniSockError e = Raised(assign);
        EXPECT_EQ(e.Number(), 40020) << name;
        EXPECT_EQ(e.Source(), "UniSock." + name);
        EXPECT_EQ(e.Description(), "Invalid operation at current state.");
    }
    EXPECT_EQ(sock.RemotePort(), server.Port());
    EXPECT_EQ(sock.RemoteHost(), "127.0.0.1");
}

TEST(NetUniSock, ConnectSendReceiveAndClose) {
    std::string request;
    LoopbackServer server([&](Peer& peer) {
        request = peer.Receive(5);
        peer.Send("0123456789");
        peer.AwaitClose();
    });
    UniSock sock;
    EventLog log(sock);
    ASSERT_TRUE(sock.Connect("127.0.0.1", server.Port()));
    EXPECT_EQ(sock.State(), UniSockState::Connecting);
    ASSERT_TRUE(log.Await("connect"));
    EXPECT_EQ(log.lines, (std::vector<std::string>{"status 6", "status 7", "connect"}));
    EXPECT_EQ(sock.State(), UniSockState::Connected);
    EXPECT_EQ(sock.RemoteHostIP(), "127.0.0.1");
    EXPECT_EQ(sock.RemotePort(), server.Port());
    EXPECT_NE(sock.SocketHandle(), -1);

    // The drain runs inside SendData: progress and completion before it returns.
    log.lines.clear();
    EXPECT_TRUE(sock.SendData(Variant("hello")));
    EXPECT_EQ(log.lines, (std::vector<std::string>{"progress 5 0", "complete"}));
    EXPECT_FALSE(sock.SendData(Variant("")));
    EXPECT_EQ(Raised([&] { sock.SendData(Variant()); }).Number(), 40018);
    EXPECT_EQ(Raised([&] { sock.SendData(Variant(Null{})); }).Source(), "UniSock.SendData");

    ASSERT_TRUE(PumpUntil([&] { return sock.BytesReceived() == 10; }));
    EXPECT_EQ(request, "hello");
    Variant value;
    EXPECT_EQ(Raised([&] { sock.GetData(value); }).Number(), 40018);  // no type: nothing taken
    EXPECT_TRUE(sock.PeekData(value, vbLong));
    EXPECT_TRUE(sock.PeekData(value, vbLong));
    EXPECT_EQ(value, Variant(0x33323130));
    EXPECT_EQ(sock.BytesReceived(), 10);
    Variant four;
    EXPECT_TRUE(sock.GetData(four, vbLong));
    EXPECT_EQ(sock.BytesReceived(), 6);
    Variant text;
    EXPECT_TRUE(sock.GetData(text, vbString, 3));
    EXPECT_EQ(text, Variant("456"));
    Variant rest = std::string("typed by the variable");
    EXPECT_TRUE(sock.GetData(rest, vbArray + vbByte, 0));  // the variable's own type decides
    EXPECT_EQ(rest, Variant("789"));
    EXPECT_EQ(sock.BytesReceived(), 0);
    EXPECT_FALSE(sock.GetData(rest));  // nothing held

    log.lines.clear();
    EXPECT_TRUE(sock.CloseSocket());
    EXPECT_EQ(log.lines, (std::vector<std::string>{"status 8", "status 0"}));
    EXPECT_EQ(sock.State(), UniSockState::Closed);
    EXPECT_EQ(sock.SocketHandle(), -1);
    EXPECT_EQ(sock.LocalPort(), 0);
    EXPECT_EQ(sock.RemotePort(), server.Port());  // survives the close
    EXPECT_EQ(Raised([&] { sock.GetData(rest, vbString); }).Number(), 40006);
    EXPECT_EQ(Raised([&] { sock.SendData(Variant("x")); }).Number(), 40006);
}

TEST(NetUniSock, ConnectByNameGoesThroughTheLookup) {
    LoopbackServer server([](Peer& peer) { peer.AwaitClose(); });
    UniSock sock;
    EventLog log(sock);
    ASSERT_TRUE(sock.Connect("localhost", server.Port()));
    EXPECT_EQ(sock.State(), UniSockState::ResolvingHost);
    ASSERT_TRUE(log.Await("connect"));
    EXPECT_EQ(log.lines, (std::vector<std::string>{"status 4", "status 5", "status 6", "status 7", "connect"}));
    EXPECT_EQ(sock.RemoteHostIP(), "127.0.0.1");
    EXPECT_EQ(sock.RemoteHost(), "localhost");
}

TEST(NetUniSock, FailedConnectionsReportThroughErrorAndKeepTheState) {
    {
        UniSock sock;
        EventLog log(sock);
        EXPECT_TRUE(sock.Connect("127.0.0.1", ClosedPort()));
        ASSERT_TRUE(PumpUntil([&] { return !log.errors.empty(); }));
        EXPECT_EQ(log.errors[0].Number, 10061);
        EXPECT_EQ(log.errors[0].Description, "Connection refused.");
        EXPECT_EQ(log.errors[0].Source, "UniSock.WndProc");
        EXPECT_EQ(sock.State(), UniSockState::Connecting);
        EXPECT_FALSE(log.Has("connect"));
    }
    {
        // A label too long for any name lookup fails here, without a query
        // leaving the machine.
        UniSock sock;
        EventLog log(sock);
        EXPECT_TRUE(sock.Connect(std::string(70, 'a'), 80));
        ASSERT_TRUE(PumpUntil([&] { return !log.errors.empty(); }));
        EXPECT_EQ(log.lines.front(), "status 4");
        EXPECT_EQ(log.lines[1], "status 9");
        EXPECT_EQ(log.errors[0].Source, "UniSock.Connect");
        EXPECT_EQ(log.errors[0].Description, ErrorDescription(log.errors[0].Number));
        EXPECT_EQ(sock.State(), UniSockState::ResolvingHost);
        EXPECT_TRUE(sock.CloseSocket());  // the socket made for the connection
    }
    {
        UniSock sock;
        EventLog log(sock);
        EXPECT_FALSE(sock.Connect());  // no host anywhere
        EXPECT_EQ(log.lines, (std::vector<std::string>{"status 9"}));
        EXPECT_TRUE(log.errors.empty());
        const int closed = ClosedPort();
        sock.SetRemotePort(closed);
        sock.Connect("127.0.0.1", 70000);
        EXPECT_EQ(sock.RemotePort(), closed);  // an out-of-range port keeps the old one
    }
}

TEST(NetUniSock, ALookupOvertakenByCloseOrAnotherConnectIsIgnored) {
    LoopbackServer server([](Peer& peer) { peer.AwaitClose(); });
    UniSock sock;
    EventLog log(sock);
    ASSERT_TRUE(sock.Connect("localhost", server.Port()));
    EXPECT_TRUE(sock.CloseSocket());
    PumpFor(150);  // the lookup's reply, if it comes, finds nothing to do
    EXPECT_EQ(log.lines, (std::vector<std::string>{"status 4", "status 8", "status 0"}));

    log.lines.clear();
    ASSERT_TRUE(sock.Connect("localhost", ClosedPort()));
    ASSERT_TRUE(sock.Connect("localhost", server.Port()));  // replaces the first lookup
    ASSERT_TRUE(log.Await("connect"));
    PumpFor(100);
    EXPECT_EQ(std::count(log.lines.begin(), log.lines.end(), "status 5"), 1);
    EXPECT_EQ(sock.RemotePort(), server.Port());
}

TEST(NetUniSock, PeerThatSendsAndClosesGivesDataThenClosing) {
    LoopbackServer server([](Peer& peer) { peer.Send(std::string(100000, 'z') + "bye"); });
    UniSock sock;
    EventLog log(sock);
    std::string got;
    sock.Events.DataArrival = [&](std::int32_t) {
        Variant piece = std::string();
        sock.GetData(piece);
        got += piece.As<std::string>();
    };
    // A Closing handler that pumps (a message box) while the close is
    // announced again gets no second Closing.
    sock.Events.Closing = [&] {
        log.lines.push_back("closing");
        if (log.Has("pumped")) return;
        log.lines.push_back("pumped");
        PostMessageW(sock.EventWindow(), 0x801, static_cast<WPARAM>(sock.SocketHandle()),
                     WSAMAKESELECTREPLY(FD_CLOSE, 0));
        PumpFor(100);
    };
    ConnectTo(sock, server, log);
    ASSERT_TRUE(log.Await("status 0"));
    PumpFor(100);
    EXPECT_EQ(got.size(), 100003u);  // nothing lost to the close
    EXPECT_EQ(got.substr(got.size() - 3), "bye");
    const auto closing = std::find(log.lines.begin(), log.lines.end(), "closing");
    ASSERT_NE(closing, log.lines.end());
    EXPECT_EQ(std::vector<std::string>(closing, log.lines.end()),
              (std::vector<std::string>{"closing", "pumped", "status 8", "status 0"}));
}

TEST(NetUniSock, ACloseCarryingAnErrorIsReportedAndKeepsTheConnection) {
    LoopbackServer server([](Peer& peer) { peer.AwaitClose(); });
    UniSock sock;
    EventLog log(sock);
    ConnectTo(sock, server, log);
    // What Windows Sockets posts when the peer resets the connection.
    PostMessageW(sock.EventWindow(), 0x801, static_cast<WPARAM>(sock.SocketHandle()),
                 WSAMAKESELECTREPLY(FD_CLOSE, WSAECONNRESET));
    ASSERT_TRUE(PumpUntil([&] { return !log.errors.empty(); }));
    EXPECT_EQ(log.errors[0].Number, 10054);
    EXPECT_EQ(log.errors[0].Source, "UniSock.WndProc");
    EXPECT_FALSE(log.Has("closing"));
    EXPECT_EQ(sock.State(), UniSockState::Connected);
    EXPECT_NE(sock.SocketHandle(), -1);
}

TEST(NetUniSock, AnAddressThatCannotBeAssignedAfterALookupIsReported) {
    LoopbackServer server([](Peer& peer) { peer.AwaitClose(); });
    // Another socket holds the connection from a local port to the server...
    WinsockSession winsock;
    const BOOL reuse = TRUE;
    const auto share = [&](SOCKET s) {
        setsockopt(s, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&reuse), sizeof reuse);
    };
    const Socket other(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    share(other.Get());
    sockaddr_in local = Loopback(0), remote = Loopback(server.Port());
    ASSERT_EQ(bind(other.Get(), reinterpret_cast<sockaddr*>(&local), sizeof local), 0);
    ASSERT_EQ(connect(other.Get(), reinterpret_cast<sockaddr*>(&remote), sizeof remote), 0);
    // ...and the object's socket is bound to the same port while it looks
    // the name up, so the connect after the lookup cannot have that address.
    UniSock sock;
    EventLog log(sock);
    ASSERT_TRUE(sock.Connect("localhost", server.Port()));
    const auto handle = static_cast<SOCKET>(sock.SocketHandle());
    share(handle);
    local = Loopback(PortOf(other.Get()));
    ASSERT_EQ(bind(handle, reinterpret_cast<sockaddr*>(&local), sizeof local), 0);
    ASSERT_TRUE(PumpUntil([&] { return !log.errors.empty(); }));
    EXPECT_EQ(log.errors[0].Number, 10049);
    EXPECT_EQ(log.errors[0].Source, "UniSock.ConnectIP");
    EXPECT_EQ(sock.State(), UniSockState::Connecting);
}

TEST(NetUniSock, LargeSendGoesOutWhole) {
    const std::string payload = [] {
        std::string s(4 << 20, '\0');
        for (std::size_t i = 0; i < s.size(); ++i) s[i] = static_cast<char>(i * 7 + (i >> 12));
        return s;
    }();
    std::string received;
    LoopbackServer server([&](Peer& peer) { received = peer.Receive(payload.size(), 8000); });
    UniSock sock;
    EventLog log(sock);
    ConnectTo(sock, server, log);
    std::int64_t progressed = 0;
    sock.Events.SendProgress = [&](std::int32_t sent, std::int32_t) { progressed += sent; };
    EXPECT_TRUE(sock.SendData(Variant(payload)));
    ASSERT_TRUE(log.Await("complete", 8000));
    ASSERT_TRUE(server.Finish());
    EXPECT_EQ(progressed, static_cast<std::int64_t>(payload.size()));
    EXPECT_TRUE(received == payload);
}

TEST(NetUniSock, TextModeCutsLinesAndSendTextEncodes) {
    std::string wire;
    LoopbackServer server([&](Peer& peer) {
        peer.Send("ab\r\ncd\r\ne");
        wire = peer.Receive(4 + 8 + 1);
    });
    UniSock sock;
    sock.SetMode(1);
    EventLog log(sock);
    std::vector<std::string> lines;
    sock.Events.TextArrival = [&](const std::string& text, std::int32_t code, bool ansi) {
        lines.push_back(text + "|" + std::to_string(code) + (ansi ? "a" : ""));
        // A handler that fails loses none of the lines after its own.
        if (lines.size() == 1) throw std::runtime_error("handler failed");
    };
    ConnectTo(sock, server, log);
    ASSERT_TRUE(PumpUntil([&] { return lines.size() == 2; }));
    EXPECT_EQ(lines, (std::vector<std::string>{std::string("a\0b\0|1", 6), std::string("c\0d\0|1", 6)}));
    EXPECT_EQ(sock.BytesReceived(), 1);
    Variant value;
    EXPECT_EQ(Raised([&] { sock.GetData(value, vbString); }).Number(), 40006);
    EXPECT_FALSE(log.Has("data 9"));

    EXPECT_TRUE(sock.SendText(u"hi"));
    EXPECT_TRUE(sock.SendText(u"hi", 2));
    sock.SetLineChange(0);
    EXPECT_TRUE(sock.SendText(u"", 0));
    ASSERT_TRUE(server.Finish());
    EXPECT_EQ(wire, std::string("hi\r\nh\0i\0\r\0\n\0\0", 13));
}

// A TextArrival handler that pumps (a message box) while more bytes and the
// peer's close come, and then throws, loses no line: all of them in order,
// the later receive's too, then Closing once.
TEST(NetUniSock, EveryLineOfAReceiveArrivesBeforeTheClose) {
    LoopbackServer server([](Peer& peer) {
        peer.Send("a\r\nb\r\n");
        Sleep(100);
        peer.Send("c\r\n");
    });
    UniSock sock;
    sock.SetMode(1);
    EventLog log(sock);
    sock.Events.TextArrival = [&](const std::string& text, std::int32_t, bool) {
        log.lines.push_back("text " + text.substr(0, 1));
        if (log.lines.back() != "text a") return;
        PumpFor(300);
        throw std::runtime_error("handler failed");
    };
    ConnectTo(sock, server, log);
    ASSERT_TRUE(log.Await("status 0"));
    const auto first = std::find(log.lines.begin(), log.lines.end(), "text a");
    EXPECT_EQ(std::vector<std::string>(first, log.lines.end()),
              (std::vector<std::string>{"text a", "text b", "text c", "closing", "status 8", "status 0"}));
}

namespace {

// Takes the object's socket notifications off the queue unhandled; true when
// one of them said bytes had come.
bool DropNotifications(UniSock& sock) {
    bool readable = false;
    MSG message;
    while (PeekMessageW(&message, sock.EventWindow(), 0x801, 0x801, PM_REMOVE))
        readable = readable || WSAGETSELECTEVENT(message.lParam) == FD_READ;
    return readable;
}

// A server session that sends the bytes, and closes, once go is set.
std::function<void(Peer&)> SendOnGo(const std::atomic<bool>& go, std::string bytes) {
    return [&go, bytes](Peer& peer) {
        for (int i = 0; i < 5000 && !go; ++i) Sleep(1);
        peer.Send(bytes);
    };
}

// Once the server has sent its bytes and closed, announces the close once,
// with the bytes still waiting in the socket.
void AnnounceCloseOverWaitingBytes(UniSock& sock, const LoopbackServer& server, std::atomic<bool>& go) {
    go = true;
    bool readable = false;
    for (const DWORD start = GetTickCount(); !(readable && server.Done()) && GetTickCount() - start < 5000; Sleep(1))
        readable = DropNotifications(sock) || readable;
    ASSERT_TRUE(readable && server.Done());
    PostMessageW(sock.EventWindow(), 0x801, static_cast<WPARAM>(sock.SocketHandle()), WSAMAKESELECTREPLY(FD_CLOSE, 0));
}

}  // namespace

// The peer's close is announced once, while its bytes still wait in the
// socket: the close hands them out first, and a handler that throws on the
// first line costs neither the next line nor Closing; a Closing handler that
// throws still leaves the socket closed.
TEST(NetUniSock, ACloseThatFindsBytesWaitingSurvivesAThrowingHandler) {
    std::atomic<bool> go{false};
    LoopbackServer server(SendOnGo(go, "a\r\nb\r\n"));
    UniSock sock;
    sock.SetMode(1);
    EventLog log(sock);
    sock.Events.TextArrival = [&](const std::string& text, std::int32_t, bool) {
        log.lines.push_back("text " + text.substr(0, 1));
        if (log.lines.back() != "text a") return;
        Sleep(50);
        DropNotifications(sock);  // Wine announces the close again once the bytes are read
        throw std::runtime_error("handler failed");
    };
    sock.Events.Closing = [&] {
        log.lines.push_back("closing");
        throw std::runtime_error("handler failed");
    };
    ConnectTo(sock, server, log);
    AnnounceCloseOverWaitingBytes(sock, server, go);
    ASSERT_TRUE(log.Await("status 0"));
    PumpFor(100);
    const auto first = std::find(log.lines.begin(), log.lines.end(), "text a");
    EXPECT_EQ(std::vector<std::string>(first, log.lines.end()),
              (std::vector<std::string>{"text a", "text b", "closing", "status 8", "status 0"}));
}

// A handler that connects anew while the close hands out the last lines
// keeps its new connection: the close and Closing were the old one's.
TEST(NetUniSock, AConnectionMadeWhileACloseHandsOutLinesStaysOpen) {
    std::atomic<bool> go{false};
    LoopbackServer server(SendOnGo(go, "a\r\n"));
    LoopbackServer next([](Peer& peer) { peer.AwaitClose(); });
    UniSock sock;
    sock.SetMode(1);
    EventLog log(sock);
    sock.Events.TextArrival = [&](const std::string&, std::int32_t, bool) {
        sock.CloseSocket();
        sock.Connect("127.0.0.1", next.Port());
    };
    ConnectTo(sock, server, log);
    log.lines.clear();
    AnnounceCloseOverWaitingBytes(sock, server, go);
    ASSERT_TRUE(log.Await("connect"));
    PumpFor(100);
    EXPECT_FALSE(log.Has("closing"));
    EXPECT_EQ(sock.State(), UniSockState::Connected);
}

TEST(NetUniSock, DestroyingAConnectedObjectClosesItsSocket) {
    LoopbackServer server([](Peer& peer) { peer.AwaitClose(); });
    std::vector<std::string> statuses;
    {
        UniSock sock;
        bool connected = false;
        sock.Events.Connect = [&] { connected = true; };
        ASSERT_TRUE(sock.Connect("127.0.0.1", server.Port()));
        ASSERT_TRUE(PumpUntil([&] { return connected; }));
        sock.Events.StatusChange = [&](std::int32_t s) { statuses.push_back(std::to_string(s)); };
    }
    EXPECT_EQ(statuses, (std::vector<std::string>{"8", "0"}));
    EXPECT_TRUE(server.Finish());  // the server saw the close
}

// Finds the static text of a message box that mentions "refused".
static BOOL CALLBACK FindRefusedText(HWND child, LPARAM out) {
    wchar_t buffer[256] = {};
    GetWindowTextW(child, buffer, 256);
    if (wcsstr(buffer, L"refused")) *reinterpret_cast<std::wstring*>(out) = buffer;
    return TRUE;
}

TEST(NetUniSock, ErrorHandlerMayAskForTheMessageBox) {
    // Reads the box that the object shows, then presses OK.
    std::atomic<bool> seen{false};
    std::wstring text;
    std::thread closer([&] {
        for (int i = 0; i < 300 && !seen; ++i, Sleep(10)) {
            const HWND box = FindWindowW(L"#32770", L"UniSock.WndProc");
            if (!box) continue;
            EnumChildWindows(box, FindRefusedText, reinterpret_cast<LPARAM>(&text));
            seen = true;
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
    });
    UniSock sock;
    sock.Events.Error = [&](UniSockErrorEvent& error) {
        error.Description = "Refused: " + error.Description;
        error.CancelDisplay = false;
    };
    sock.Connect("127.0.0.1", ClosedPort());
    PumpUntil([&] { return seen.load(); });  // returns once the box is closed
    closer.join();
    EXPECT_TRUE(seen);
    EXPECT_EQ(text, L"Refused: Connection refused.");
}

TEST(NetUniSock, SystemErrorTextIsTheSystemsOwn) {
    EXPECT_FALSE(SystemErrorText(ERROR_FILE_NOT_FOUND).empty());
    EXPECT_EQ(SystemErrorText(0x7FFFFFF0), "");  // the system has no text for it
    EXPECT_EQ(SystemErrorText(0), "");
}
