#pragma once
// The start-up update check: connects to the update host, sends the request
// once connected, and tests every piece of the reply for "Yes". It reports
// each turn of the check through its events, for the splash window to wire
// to its start-up road:
//
//   Start()                      the splash's update timer ticks
//   Connected                    the connection was made and the request sent
//   UpdateAvailable(url)         a piece ended in "Yes": ask the user; return
//                                true when the download was accepted (the
//                                program then opens url and ends), false when
//                                declined (NoUpdate follows). Asked once:
//                                pieces that come while the question is open
//                                or after it was answered are dropped
//   NoUpdate                     a piece did not end in "Yes", or the user
//                                declined: the wait is over, show the main
//                                window (may come again for a later piece
//                                before the question, so the host routes once)
//   NoConnection                 no connection within the wait: show the
//                                main window
//   NoReply                      connected within the wait but no reply yet:
//                                the splash stays until it is clicked
//   StopWaiting()                the splash was clicked: the wait ends with
//                                no verdict (replies are still tested)
//
// A wait of 0 starts no wait at all, for a host that times the connection
// itself (NoConnection and NoReply then never come). The socket stays open
// for the life of the object, so a late reply is still tested. Neither copyable nor movable: its socket's events and its timer
// hold its address.
#include <cstdint>
#include <functional>
#include <string>

#include "net/UniSock.h"

namespace ombrelt::net {

struct UpdateCheckEvents {
    std::function<void()> Connected;
    std::function<bool(const std::string& downloadUrl)> UpdateAvailable;
    std::function<void()> NoUpdate;
    std::function<void()> NoConnection;
    std::function<void()> NoReply;
};

class UpdateCheck {
public:
    // The update host of the build, port 80, a wait of one second.
    UpdateCheck();
    UpdateCheck(std::string host, std::int32_t port, unsigned waitMilliseconds);
    ~UpdateCheck();
    UpdateCheck(const UpdateCheck&) = delete;
    UpdateCheck& operator=(const UpdateCheck&) = delete;

    UpdateCheckEvents Events;

    // Starts the connection and the wait; a second call does nothing.
    void Start();
    void StopWaiting();

    bool Connected() const { return connected_; }
    bool Waiting() const { return waiting_; }
    const std::string& Host() const { return host_; }
    std::string DownloadUrl() const;
    UniSock& Socket() { return socket_; }

    // The update host set when the program was built.
    static std::string BuildHost();

private:
    static void CALLBACK WaitElapsed(HWND window, UINT message, UINT_PTR id, DWORD time);
    void OnConnect();
    void OnDataArrival();
    void OnWaitElapsed();

    std::string host_;
    std::int32_t port_;
    unsigned wait_;
    UniSock socket_;
    bool started_ = false;
    bool connected_ = false;
    bool waiting_ = false;
    bool asked_ = false;  // the update question was shown
};

}  // namespace ombrelt::net
