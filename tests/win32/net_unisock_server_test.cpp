// UniSock as a server (listen, connection requests, take-over by another
// object) and over UDP, all on 127.0.0.1.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "net_loopback.h"

using namespace ombrelt::net;
using namespace ombrelt::testing;

namespace {

template <class F>
std::int32_t RaisedNumber(F&& f) {
    try {
        f();
    } catch (const UniSockError& error) {
        return error.Number();
    }
    return 0;
}

// A listener on 127.0.0.1 at a port the system chose.
void ListenOnLoopback(UniSock& listener) {
    ASSERT_TRUE(listener.Bind(0, "127.0.0.1"));
    ASSERT_TRUE(listener.Listen());
    ASSERT_EQ(listener.State(), UniSockState::Closed);  // a chosen port leaves it in state 0
    ASSERT_GT(listener.LocalPort(), 0);
}

// Connects a client to the listener and notes the client's port, which the
// listener's request reports.
void ConnectTo(const UniSock& listener, UniSock& client, std::vector<int>& clientPorts) {
    client.Connect("127.0.0.1", listener.LocalPort());
    clientPorts.push_back(PortOf(static_cast<SOCKET>(client.SocketHandle())));
}

}  // namespace

TEST(NetUniSockServer, AnotherObjectTakesTheConnectionOver) {
    UniSock listener, client;
    ListenOnLoopback(listener);
    EventLog clientLog(client);
    auto acceptor = std::make_unique<UniSock>();  // made in the handler's scope: a pointer
    EventLog acceptorLog(*acceptor);
    std::string requestIP;
    std::int32_t requestPort = 0;
    listener.Events.ConnectionRequest = [&](std::uintptr_t id) {
        requestIP = listener.RequestIP();
        requestPort = listener.RequestPort();
        // Bytes the client sends meanwhile are kept for the acceptor.
        PumpUntil([&] { return clientLog.Has("connect"); });
        PumpFor(100);
        acceptor->Accept(id);
    };
    client.Events.Connect = [&] {
        clientLog.lines.push_back("connect");
        client.SendData(Variant("early"));
    };
    ASSERT_TRUE(client.Connect("127.0.0.1", listener.LocalPort()));
    ASSERT_TRUE(acceptorLog.Await("connect"));

    EXPECT_EQ(requestIP, "127.0.0.1");
    sockaddr_in local{};
    int length = sizeof local;
    getsockname(static_cast<SOCKET>(client.SocketHandle()), reinterpret_cast<sockaddr*>(&local), &length);
    EXPECT_EQ(requestPort, ntohs(local.sin_port));  // also above 32767
    EXPECT_EQ(listener.RequestIP(), "");             // after the event
    EXPECT_EQ(listener.RequestPort(), 0);
    EXPECT_EQ(listener.RequestHost(), "");

    EXPECT_EQ(acceptor->State(), UniSockState::Connected);
    EXPECT_EQ(acceptor->RemoteHostIP(), "127.0.0.1");
    EXPECT_EQ(acceptor->RemotePort(), requestPort);
    EXPECT_FALSE(acceptor->RemoteHost().empty());
    EXPECT_EQ(acceptor->LocalPort(), listener.LocalPort());
    ASSERT_TRUE(PumpUntil([&] { return acceptor->BytesReceived() == 5; }));
    EXPECT_TRUE(acceptorLog.Has("data 5"));  // the early bytes are announced
    EXPECT_EQ(acceptorLog.lines[0], "status 7");

    // Both directions work on the taken-over connection.
    client.SendData(Variant("later"));
    ASSERT_TRUE(PumpUntil([&] { return acceptor->BytesReceived() == 10; }));
    Variant got = std::string();
    acceptor->GetData(got);
    EXPECT_EQ(got, Variant("earlylater"));
    acceptor->SendData(Variant(std::vector<std::uint8_t>{1, 2, 3}));
    ASSERT_TRUE(PumpUntil([&] { return client.BytesReceived() == 3; }));

    // The acceptor closing reaches the client as a close.
    EXPECT_TRUE(acceptor->CloseSocket());
    EXPECT_TRUE(clientLog.Await("closing"));
}

TEST(NetUniSockServer, AConnectionNobodyAcceptsIsClosed) {
    UniSock listener, client;
    ListenOnLoopback(listener);
    EventLog listenerLog(listener), clientLog(client);
    ASSERT_TRUE(client.Connect("127.0.0.1", listener.LocalPort()));
    ASSERT_TRUE(listenerLog.Await("request"));
    EXPECT_TRUE(clientLog.Await("closing"));
    EXPECT_EQ(client.State(), UniSockState::Closed);
}

TEST(NetUniSockServer, ARequestArrivingWhileAHandlerPumpsWaitsItsTurn) {
    UniSock listener, first, second;
    ListenOnLoopback(listener);
    std::vector<int> requestPorts, clientPorts;
    const auto connect = [&](UniSock& client) { ConnectTo(listener, client, clientPorts); };
    int dispatched = 0;
    listener.Events.ConnectionRequest = [&](std::uintptr_t) {
        requestPorts.push_back(listener.RequestPort());
        if (requestPorts.size() > 1) return;
        connect(second);
        Sleep(100);  // the second connection is made and announced meanwhile
        // A pump that runs until the queue is empty, as DoEvents does.
        MSG msg;
        while (dispatched < 10000 && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ++dispatched;
            DispatchMessageW(&msg);
        }
    };
    connect(first);
    ASSERT_TRUE(PumpUntil([&] { return requestPorts.size() == 2; }));
    EXPECT_LT(dispatched, 10000);
    EXPECT_EQ(requestPorts, clientPorts);
}

TEST(NetUniSockServer, AHandlerThatThrowsKeepsTheListener) {
    UniSock listener, first, second, third;
    ListenOnLoopback(listener);
    EventLog firstLog(first), secondLog(second), thirdLog(third);
    std::vector<int> requestPorts, clientPorts;
    const auto connect = [&](UniSock& client) { ConnectTo(listener, client, clientPorts); };
    // The handler fails on every request; during the first, two more
    // connections come while it pumps.
    listener.Events.ConnectionRequest = [&](std::uintptr_t) {
        requestPorts.push_back(listener.RequestPort());
        if (requestPorts.size() == 1) {
            connect(second);
            connect(third);
            PumpUntil([&] { return secondLog.Has("connect") && thirdLog.Has("connect"); });
            PumpFor(100);
        }
        throw std::runtime_error("handler failed");
    };
    connect(first);
    ASSERT_TRUE(PumpUntil([&] { return requestPorts.size() == 3; }));
    EXPECT_EQ(requestPorts, clientPorts);
    // Nobody took them: each is closed, the last too.
    for (EventLog* log : {&firstLog, &secondLog, &thirdLog}) EXPECT_TRUE(log->Await("closing"));
}

TEST(NetUniSockServer, AcceptRefusesWhatItCannotTakeOver) {
    UniSock listener, other;
    ListenOnLoopback(listener);
    const auto id = reinterpret_cast<std::uintptr_t>(&listener);
    EXPECT_EQ(RaisedNumber([&] { other.Accept(0); }), 40020);
    EXPECT_EQ(RaisedNumber([&] { other.Accept(12345); }), 40014);  // no such listener
    // Only a window of this class, bound to that very object, identifies a
    // listener: another window with the same title does not.
    const HWND impostor = CreateWindowExW(0, L"STATIC", std::to_wstring(id + 16).c_str(), 0, 0, 0, 0, 0, nullptr,
                                          nullptr, nullptr, nullptr);
    EXPECT_EQ(RaisedNumber([&] { other.Accept(id + 16); }), 40014);
    DestroyWindow(impostor);
    // Outside ConnectionRequest there is no connection to take.
    EXPECT_EQ(RaisedNumber([&] { other.Accept(id); }), 40020);
    EXPECT_EQ(other.State(), UniSockState::Closed);
    // Listening on a port of its own: state Open; listening again is allowed.
    UniSock fixed;
    const int port = ClosedPort();
    ASSERT_TRUE(fixed.Bind(port, "127.0.0.1"));
    EXPECT_EQ(fixed.State(), UniSockState::Open);
    EXPECT_TRUE(fixed.Listen());
    EXPECT_EQ(fixed.LocalPort(), port);
    EXPECT_EQ(fixed.LocalIP(), "127.0.0.1");
    EXPECT_EQ(RaisedNumber([&] { other.Accept(reinterpret_cast<std::uintptr_t>(&fixed)); }), 40020);
    // Closing a listener on a chosen port (state 0) closes it.
    EXPECT_TRUE(listener.CloseSocket());
    EXPECT_EQ(listener.SocketHandle(), -1);
}

TEST(NetUniSockServer, BindNamesTheLocalHostAndListenRaisesTheLibrarysError) {
    UniSock sock;
    sock.SetProtocol(1);
    std::string address;  // empty: the caller learns what was bound
    ASSERT_TRUE(sock.Bind(0, address));
    EXPECT_EQ(address, sock.LocalHostname());
    try {
        sock.Listen();  // a datagram socket cannot listen
        ADD_FAILURE() << "nothing raised";
    } catch (const UniSockError& error) {
        EXPECT_EQ(error.Number(), 10045);
        EXPECT_EQ(error.Source(), "UniSock.Listen");
        EXPECT_EQ(error.Description(), "Operation not supported.");
    }
}

TEST(NetUniSockServer, UdpDatagramsBothWays) {
    UniSock receiver, sender;
    receiver.SetProtocol(1);
    sender.SetProtocol(1);
    EventLog receiverLog(receiver), senderLog(sender);
    ASSERT_TRUE(receiver.Bind(0, "127.0.0.1"));
    ASSERT_GT(receiver.LocalPort(), 0);
    sender.SetRemoteHost("127.0.0.1");
    sender.SetRemotePort(receiver.LocalPort());
    ASSERT_TRUE(sender.Bind(0, "127.0.0.1"));

    std::vector<Variant> values;
    bool failed = false;
    receiver.Events.DataArrival = [&](std::int32_t) {
        // A handler that fails before reading does not leave the socket deaf.
        if (!failed) {
            failed = true;
            throw std::runtime_error("handler failed");
        }
        Variant v;
        if (receiver.GetData(v, vbLong)) values.push_back(v);
    };
    // A port the system chose still sends and receives, datagram after datagram.
    EXPECT_TRUE(sender.SendData(Variant(1)));
    EXPECT_TRUE(sender.SendData(Variant(2)));
    EXPECT_TRUE(sender.SendData(Variant(3)));
    ASSERT_TRUE(PumpUntil([&] { return values.size() == 2; }));
    EXPECT_EQ(values, (std::vector<Variant>{Variant(2), Variant(3)}));
    EXPECT_EQ(sender.State(), UniSockState::Closed);
    EXPECT_TRUE(senderLog.errors.empty());

    // A reply goes back to the sender's port.
    receiver.SetRemoteHost("127.0.0.1");
    receiver.SetRemotePort(sender.LocalPort());
    std::string reply;
    sender.Events.DataArrival = [&](std::int32_t) {
        Variant v = std::string();
        sender.GetData(v);
        reply = v.As<std::string>();
    };
    EXPECT_TRUE(receiver.SendData(Variant("pong")));
    ASSERT_TRUE(PumpUntil([&] { return !reply.empty(); }));
    EXPECT_EQ(reply, "pong");

    // A datagram longer than the read: peeking leaves it, reading takes it
    // and reports that it was cut.
    std::vector<std::string> reads;
    receiver.Events.DataArrival = [&](std::int32_t n) {
        Variant v;
        reads.push_back(std::to_string(n) + (receiver.PeekData(v, vbLong) ? " peeked" : " no peek"));
        reads.push_back(receiver.GetData(v, vbLong) ? "read" : "cut");
    };
    EXPECT_TRUE(sender.SendData(Variant(std::string(100, 'x'))));
    ASSERT_TRUE(PumpUntil([&] { return reads.size() == 2; }));
    EXPECT_EQ(reads[1], "cut");
    ASSERT_FALSE(receiverLog.errors.empty());
    EXPECT_EQ(receiverLog.errors.back().Number, 10040);
    EXPECT_EQ(receiverLog.errors.back().Source, "UniSock.GetData");
    EXPECT_EQ(receiver.BytesReceived(), 0);
}

TEST(NetUniSockServer, UdpWithoutDestinationOrBindingSendsNothing) {
    UniSock sock;
    sock.SetProtocol(1);
    EventLog log(sock);
    EXPECT_EQ(sock.BytesReceived(), 0);  // no socket
    Variant v;
    EXPECT_EQ(RaisedNumber([&] { sock.GetData(v, vbLong); }), 40006);
    EXPECT_FALSE(sock.SendData(Variant(1)));  // no remote host: cannot bind through Connect
    EXPECT_EQ(log.lines, (std::vector<std::string>{"status 9"}));
    // SendText does not bind; with no destination nothing goes anywhere.
    ASSERT_TRUE(sock.Bind(0, "127.0.0.1"));
    EXPECT_TRUE(sock.SendText(u"x"));
    ASSERT_FALSE(log.errors.empty());
    EXPECT_EQ(log.errors.back().Number, 10039);
    EXPECT_EQ(log.errors.back().Source, "UniSock.Private_Message");
}
