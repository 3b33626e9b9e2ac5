#pragma once
// The recorder's own state, shared by the recorders of both main windows
// (one recording runs at a time). Plain data; mdlRecord works on it.
#include <array>
#include <cstdint>

namespace ombrelt::mdlRecord {

struct RecorderState {
    // Statements offered to the line writer since the recording began,
    // dropped ones included.
    std::int32_t RecordLineCount = 0;
    // Each key's state as far as the recorded script knows: true after its
    // key-down statement, or when it was down as the recording began.
    std::array<bool, 256> KeyStates{};
    // The Ctrl key-up of a recorder hot key is still to come and is dropped.
    bool SkipNextLine = false;
    // Ctrl+5 has acted and digit 5 has not been seen up since.
    bool ColorPickLatch = false;
    // The same for Ctrl+4, Ctrl+6 and Ctrl+7, by virtual key.
    std::array<bool, 256> HotKeyLatch{};
};

}  // namespace ombrelt::mdlRecord
