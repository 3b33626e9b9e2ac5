#pragma once
// The hot keys' presses as one program sees them. The asynchronous key
// state's "pressed since the last query" bit (0x0001) is shared by every
// program that polls the key, so another program's poll can take it first.
// A key therefore also counts as pressed when it is down now and was up at
// this program's previous poll of it: every program that waits for a hot key
// sees each press a person makes.
#include <array>
#include <cstdint>

namespace ombrelt {

class KeyPresses {
public:
    // One query's result (0x8000 down now, 0x0001 pressed since the last
    // query by anyone): true when it is a new press for this program.
    bool Pressed(int virtualKey, std::uint16_t asyncState) {
        const bool down = (asyncState & 0x8000) != 0;
        bool& wasDown = down_[static_cast<std::size_t>(virtualKey) & 0xFF];
        const bool pressed = asyncState == 0x8001 || (down && !wasDown);
        wasDown = down;
        return pressed;
    }
    // Ctrl is up, so the digits go unpolled: what was seen of them is
    // forgotten, and a digit still held when Ctrl goes down again is a press,
    // as it is when nobody else polled it.
    void Forget() { down_.fill(false); }
    // The key was down at this program's latest poll of it.
    bool SawDown(int virtualKey) const { return down_[static_cast<std::size_t>(virtualKey) & 0xFF]; }

private:
    std::array<bool, 256> down_{};
};

}  // namespace ombrelt
