// The program's update check. Until the socket class is in the build the
// check never connects, so the splash's one-second wait moves the start-up on.
#include "editor/UpdateCheckPort.h"

namespace ombrelt::editor {

namespace {
class OfflineCheck : public UpdateCheckPort {
public:
    void Start() override {}
};
}  // namespace

std::unique_ptr<UpdateCheckPort> MakeProgramUpdateCheck() {
    return std::make_unique<OfflineCheck>();
}

}  // namespace ombrelt::editor
