#pragma once
// Loopback helpers for the socket tests: a blocking server on 127.0.0.1 that
// plays one connection on its own thread, a recorder of a socket object's
// events, and a bounded message pump. Every wait has a time limit.
#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "net/UniSock.h"

namespace ombrelt::testing {

// Pumps this thread's messages until done() or the time limit; true when
// done() came first.
inline bool PumpUntil(const std::function<bool()>& done, DWORD limitMs = 3000) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (done()) return true;
        if (GetTickCount() - start > limitMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

inline void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

class WinsockSession {
public:
    WinsockSession() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~WinsockSession() { WSACleanup(); }
    WinsockSession(const WinsockSession&) = delete;
    WinsockSession& operator=(const WinsockSession&) = delete;
};

inline sockaddr_in Loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

inline int PortOf(SOCKET s) {
    sockaddr_in address{};
    int length = sizeof address;
    getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
    return ntohs(address.sin_port);
}

// A port on 127.0.0.1 where nothing listens.
inline int ClosedPort() {
    WinsockSession winsock;
    const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = Loopback(0);
    bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
    const int port = PortOf(s);
    closesocket(s);
    return port;
}

// The server's end of one connection (blocking). Reads wait in short slices
// so that the server can be stopped at once.
class Peer {
public:
    Peer(SOCKET s, const std::atomic<bool>& stop) : s_(s), stop_(stop) {}

    // Up to n bytes (fewer when the client closes or the time runs out); with
    // `some`, at least n and whatever else has come.
    std::string Receive(std::size_t n, DWORD limitMs = 3000, bool some = false) {
        std::string out;
        const DWORD start = GetTickCount();
        while (out.size() < n && !stop_ && GetTickCount() - start < limitMs) {
            if (!Readable(50)) continue;
            char buffer[65536];
            const std::size_t want = some ? sizeof buffer : std::min(sizeof buffer, n - out.size());
            const int count = recv(s_, buffer, static_cast<int>(want), 0);
            if (count <= 0) break;
            out.append(buffer, static_cast<std::size_t>(count));
        }
        return out;
    }
    // Up to and including `end` (less when the client closes or the time runs out).
    std::string ReceiveUntil(std::string_view end, DWORD limitMs = 3000) {
        std::string out;
        const DWORD start = GetTickCount();
        while (out.find(end) == std::string::npos && GetTickCount() - start < limitMs) {
            const std::string more = Receive(1, limitMs - (GetTickCount() - start), true);
            if (more.empty()) break;
            out += more;
        }
        return out;
    }
    // Everything until the client closes (or the time runs out).
    std::string ReceiveAll(DWORD limitMs = 3000) { return Receive(std::string::npos / 2, limitMs); }
    bool Send(std::string_view bytes) {
        for (std::size_t sent = 0; sent < bytes.size();) {
            const int count = send(s_, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
            if (count <= 0) return false;
            sent += static_cast<std::size_t>(count);
        }
        return true;
    }
    // Waits until the client closes, the server is stopped or the time runs out.
    void AwaitClose(DWORD limitMs = 3000) { ReceiveAll(limitMs); }
    SOCKET Handle() const { return s_; }

private:
    bool Readable(long ms) {
        fd_set set;
        FD_ZERO(&set);
        FD_SET(s_, &set);
        timeval wait{0, ms * 1000};
        return select(0, &set, nullptr, nullptr, &wait) > 0;
    }

    SOCKET s_;
    const std::atomic<bool>& stop_;
};

// Listens on 127.0.0.1 at a port the system chooses and plays `session` with
// the first connection, on its own thread; the connection is closed after it.
class LoopbackServer {
public:
    explicit LoopbackServer(std::function<void(Peer&)> session) {
        listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address = Loopback(0);
        bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(listener_, 5);
        port_ = PortOf(listener_);
        thread_ = std::thread([this, session = std::move(session)] {
            const DWORD start = GetTickCount();
            while (!stop_ && GetTickCount() - start < 5000) {
                fd_set set;
                FD_ZERO(&set);
                FD_SET(listener_, &set);
                timeval wait{0, 50000};
                if (select(0, &set, nullptr, nullptr, &wait) <= 0) continue;
                const SOCKET s = accept(listener_, nullptr, nullptr);
                if (s == INVALID_SOCKET) break;
                accepted_ = true;
                Peer peer(s, stop_);
                session(peer);
                closesocket(s);
                break;
            }
            done_ = true;
        });
    }
    ~LoopbackServer() { Stop(); }
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    int Port() const { return port_; }
    bool Accepted() const { return accepted_; }
    bool Done() const { return done_; }
    // Waits (pumping, so the client side goes on) until the session ended.
    bool Finish(DWORD limitMs = 5000) { return PumpUntil([this] { return done_.load(); }, limitMs); }
    void Stop() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        if (listener_ != INVALID_SOCKET) closesocket(listener_);
        listener_ = INVALID_SOCKET;
    }

private:
    WinsockSession winsock_;
    SOCKET listener_ = INVALID_SOCKET;
    int port_ = 0;
    std::atomic<bool> stop_{false}, accepted_{false}, done_{false};
    std::thread thread_;
};

// Writes every event of a socket object into a log, one line each, until the
// log goes (it unhooks itself, so it may go before the object).
struct EventLog {
    std::vector<std::string> lines;
    std::vector<net::UniSockErrorEvent> errors;
    net::UniSock& sock;

    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;
    ~EventLog() { sock.Events = {}; }

    explicit EventLog(net::UniSock& s) : sock(s) {
        auto& e = sock.Events;
        e.Closing = [this] { lines.push_back("closing"); };
        e.Connect = [this] { lines.push_back("connect"); };
        e.ConnectionRequest = [this](std::uintptr_t) { lines.push_back("request"); };
        e.DataArrival = [this](std::int32_t n) { lines.push_back("data " + std::to_string(n)); };
        e.Error = [this](net::UniSockErrorEvent& error) {
            errors.push_back(error);
            lines.push_back("error " + std::to_string(error.Number) + " " + error.Source);
        };
        e.SendComplete = [this] { lines.push_back("complete"); };
        e.SendProgress = [this](std::int32_t sent, std::int32_t left) {
            lines.push_back("progress " + std::to_string(sent) + " " + std::to_string(left));
        };
        e.StatusChange = [this](std::int32_t s) { lines.push_back("status " + std::to_string(s)); };
        e.TextArrival = [this](const std::string& text, std::int32_t code, bool ansi) {
            lines.push_back("text " + std::to_string(text.size()) + " " + std::to_string(code) + (ansi ? " ansi" : ""));
        };
    }
    bool Has(const std::string& line) const {
        for (const auto& l : lines)
            if (l == line) return true;
        return false;
    }
    // Waits for a line to be logged.
    bool Await(const std::string& line, DWORD limitMs = 3000) {
        return PumpUntil([&] { return Has(line); }, limitMs);
    }
};

}  // namespace ombrelt::testing
