// The program's update check: the socket-based check of net/ behind the
// port the splash window uses. The splash times the connection itself, so
// the check starts no wait of its own.
#include "editor/UpdateCheckPort.h"
#include "net/UpdateCheck.h"

namespace ombrelt::editor {

namespace {

class SocketCheck : public UpdateCheckPort {
public:
    SocketCheck(std::string host, std::int32_t port) : check_(std::move(host), port, 0) {
        check_.Events.Connected = [this] {
            if (Events.Connected) Events.Connected();
        };
        check_.Events.UpdateAvailable = [this](const std::string& url) {
            return Events.UpdateAvailable && Events.UpdateAvailable(url);
        };
        check_.Events.NoUpdate = [this] {
            if (Events.NoUpdate) Events.NoUpdate();
        };
    }
    void Start() override { check_.Start(); }

private:
    net::UpdateCheck check_;
};

}  // namespace

std::unique_ptr<UpdateCheckPort> MakeProgramUpdateCheck() {
    return MakeUpdateCheck(net::UpdateCheck::BuildHost(), 80);
}

std::unique_ptr<UpdateCheckPort> MakeUpdateCheck(const std::string& host, std::int32_t port) {
    return std::make_unique<SocketCheck>(host, port);
}

}  // namespace ombrelt::editor
