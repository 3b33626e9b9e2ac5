#include "net/UpdateCheck.h"

#include "net/UpdateRequest.h"

#ifndef OMBRELT_UPDATE_HOST
#error "the build sets OMBRELT_UPDATE_HOST"
#endif

namespace ombrelt::net {

std::string UpdateCheck::BuildHost() { return OMBRELT_UPDATE_HOST; }

UpdateCheck::UpdateCheck() : UpdateCheck(BuildHost(), 80, 1000) {}

UpdateCheck::UpdateCheck(std::string host, std::int32_t port, unsigned waitMilliseconds)
    : host_(std::move(host)), port_(port), wait_(waitMilliseconds) {
    socket_.Events.Connect = [this] { OnConnect(); };
    socket_.Events.DataArrival = [this](std::int32_t) { OnDataArrival(); };
}

UpdateCheck::~UpdateCheck() {
    StopWaiting();
    socket_.Events = {};  // closing the socket tells this object nothing more
}

std::string UpdateCheck::DownloadUrl() const { return UpdateDownloadUrl(host_); }

void UpdateCheck::Start() {
    if (started_) return;
    started_ = true;
    try {
        socket_.Connect(host_, port_);
    } catch (const UniSockError&) {
        // an address that cannot be used: no connection, as the wait will tell
    }
    if (wait_ == 0) return;
    // The wait's timer is identified by this object's address on the
    // socket's window, so its procedure finds the object without a table.
    waiting_ = socket_.EventWindow() &&
               SetTimer(socket_.EventWindow(), reinterpret_cast<UINT_PTR>(this), wait_, &UpdateCheck::WaitElapsed);
    if (!waiting_ && Events.NoConnection) Events.NoConnection();  // no window: no connection can come
}

void UpdateCheck::StopWaiting() {
    if (!waiting_) return;
    waiting_ = false;
    KillTimer(socket_.EventWindow(), reinterpret_cast<UINT_PTR>(this));
}

void CALLBACK UpdateCheck::WaitElapsed(HWND, UINT, UINT_PTR id, DWORD) {
    try {
        reinterpret_cast<UpdateCheck*>(id)->OnWaitElapsed();
    } catch (...) {
        // a handler threw; nothing can carry it back through the system
    }
}

void UpdateCheck::OnWaitElapsed() {
    if (!waiting_) return;
    StopWaiting();
    const auto& verdict = connected_ ? Events.NoReply : Events.NoConnection;
    if (verdict) verdict();
}

void UpdateCheck::OnConnect() {
    // The request is queued before the check counts as connected.
    try {
        socket_.SendData(Variant(UpdateRequest(host_)));
    } catch (const UniSockError&) {
        // not connected after all; the wait decides
    }
    connected_ = true;
    if (Events.Connected) Events.Connected();
}

void UpdateCheck::OnDataArrival() {
    // Every byte held so far, as text: one piece of the reply.
    Variant reply = std::string();
    try {
        socket_.GetData(reply, vbArray + vbByte, 0);
    } catch (const UniSockError&) {
        return;  // nothing could be read
    }
    // One question a start: pieces that come while it is open, or after it
    // was answered, are read and dropped, so a peer cannot stack dialogs.
    if (asked_) return;
    StopWaiting();
    bool accepted = false;
    if (ReplyEndsInYes(reply.As<std::string>()) && Events.UpdateAvailable) {
        asked_ = true;
        accepted = Events.UpdateAvailable(DownloadUrl());
    }
    if (!accepted && Events.NoUpdate) Events.NoUpdate();
}

}  // namespace ombrelt::net
