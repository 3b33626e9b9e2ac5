#include "editor/HotKeys.h"

namespace ombrelt::editor::HotKeys {

void Poll(KeyProbe& keys, const Actions& actions) {
    if (!keys.CtrlDown()) return;
    // Each key is queried just before its action, and always: a query clears
    // the key's pressed state, so a press never lingers into a later poll.
    if (keys.PressedSinceLastPoll(KeyStop)) actions.Stop();
    if (keys.PressedSinceLastPoll(KeyPause) && actions.CanPause()) actions.Pause();
    if (keys.PressedSinceLastPoll(KeyRecord) && !actions.StartBlocked()) actions.Record();
    if (keys.PressedSinceLastPoll(KeyPlay) && !actions.StartBlocked()) actions.Play();
}

bool StopPressed(KeyProbe& keys) {
    return keys.CtrlDown() && keys.PressedSinceLastPoll(KeyStop);
}

}  // namespace ombrelt::editor::HotKeys
