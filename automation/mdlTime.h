#pragma once
// Pauses in seconds, minutes and hours as series of one-second waits. The
// wait itself (a message-pumping timer wait) is the desktop's.
#include <cstdint>

#include "automation/Desktop.h"

namespace ombrelt::mdlTime {

// Blocks for ms milliseconds while the program's messages are pumped; 0 or
// less returns after one pump. A pump that leaves stop true ends it early.
inline void Wait(Desktop& desktop, std::int32_t ms, const WaitStop& stop = {}) { desktop.Wait(ms, stop); }

// n waits of one second, of 60 seconds, of 60 minutes; n below 1 does nothing.
// Once stop is true no further wait begins.
void PauseSeconds(Desktop& desktop, std::int32_t n, const WaitStop& stop = {});
void PauseMinutes(Desktop& desktop, std::int32_t n, const WaitStop& stop = {});
void PauseHours(Desktop& desktop, std::int32_t n, const WaitStop& stop = {});

}  // namespace ombrelt::mdlTime
