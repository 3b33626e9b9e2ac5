#pragma once
// What the splash window needs of the start-up update check: start it, and
// hear when the connection is made and what each piece of the reply says.
// The program's own check is made by MakeProgramUpdateCheck; tests give the
// splash one they drive.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace ombrelt::editor {

struct UpdateCheckEvents {
    // The connection was made and the request sent.
    std::function<void()> Connected;
    // A piece of the reply ended in "Yes": ask the user; true when the
    // download was accepted.
    std::function<bool(const std::string& downloadUrl)> UpdateAvailable;
    // A piece did not end in "Yes", or the user declined.
    std::function<void()> NoUpdate;
};

class UpdateCheckPort {
public:
    virtual ~UpdateCheckPort() = default;
    // Starts the connection; the events follow as messages are pumped.
    virtual void Start() = 0;
    UpdateCheckEvents Events;
};

// The check against the build's update host on port 80.
std::unique_ptr<UpdateCheckPort> MakeProgramUpdateCheck();
// The same check against another server (tests use one on the loopback).
std::unique_ptr<UpdateCheckPort> MakeUpdateCheck(const std::string& host, std::int32_t port);

}  // namespace ombrelt::editor
