#pragma once
// Mouse and key commands and program starts. Button commands at the cursor
// are always real input; positioned ones (the Ex forms) and key commands go
// as messages to the selected window when there is one, otherwise as real
// input. The last point a button acted on is published as "lx", "ly".
#include <cstdint>
#include <string>

#include "automation/AutomationState.h"
#include "automation/Desktop.h"

namespace ombrelt::mdlControls {

// Flags of the system's mouse input.
inline constexpr std::uint32_t MouseLeftDown = 0x0002;
inline constexpr std::uint32_t MouseLeftUp = 0x0004;
inline constexpr std::uint32_t MouseRightDown = 0x0008;
inline constexpr std::uint32_t MouseRightUp = 0x0010;
inline constexpr std::uint32_t MouseMiddleDown = 0x0020;
inline constexpr std::uint32_t MouseMiddleUp = 0x0040;

// Window messages.
inline constexpr std::uint32_t WmLButtonDown = 0x0201;
inline constexpr std::uint32_t WmLButtonUp = 0x0202;
inline constexpr std::uint32_t WmRButtonDown = 0x0204;
inline constexpr std::uint32_t WmRButtonUp = 0x0205;
inline constexpr std::uint32_t WmMButtonDown = 0x0207;
inline constexpr std::uint32_t WmMButtonUp = 0x0208;
inline constexpr std::uint32_t WmKeyDown = 0x0100;
inline constexpr std::uint32_t WmKeyUp = 0x0101;
// Repeat count 1, scan code 1: what the key messages carry.
inline constexpr std::intptr_t KeyMessageLParam = 0x00010001;

// At the cursor: read the pointer into CursorPoint, press and/or release
// there, publish the pointer as the last found point.
void LeftDown(Desktop& desktop, AutomationState& state);
void LeftUp(Desktop& desktop, AutomationState& state);
void LeftClick(Desktop& desktop, AutomationState& state);
void RightDown(Desktop& desktop, AutomationState& state);
void RightUp(Desktop& desktop, AutomationState& state);
void RightClick(Desktop& desktop, AutomationState& state);
void MiddleDown(Desktop& desktop, AutomationState& state);
void MiddleUp(Desktop& desktop, AutomationState& state);
void MiddleClick(Desktop& desktop, AutomationState& state);

// At a point given as texts in screen pixels ("lx", "ly" or numbers); each
// text is replaced by the decimal text of its coordinate. Raises ScriptError,
// before any input and leaving x and y as they were, when one is not a
// 16-bit number.
void LeftDownEx(Desktop& desktop, AutomationState& state, std::string& x, std::string& y);
void LeftUpEx(Desktop& desktop, AutomationState& state, std::string& x, std::string& y);
void RightDownEx(Desktop& desktop, AutomationState& state, std::string& x, std::string& y);
void RightUpEx(Desktop& desktop, AutomationState& state, std::string& x, std::string& y);
void MiddleDownEx(Desktop& desktop, AutomationState& state, std::string& x, std::string& y);
void MiddleUpEx(Desktop& desktop, AutomationState& state, std::string& x, std::string& y);

// Sends a mouse message to the selected window with wParam 0 and the screen
// point (x, y) in that window's client coordinates, x in the low and y in the
// high 16 bits of lParam. Returns the message's result.
std::intptr_t SendMouseMessage(Desktop& desktop, const AutomationState& state, std::uint32_t message,
                               std::int16_t x, std::int16_t y);

// A key message with lParam 0x00010001 to the selected window, or a real key
// event when none is selected.
void KeyDown(Desktop& desktop, const AutomationState& state, std::uint8_t code);
void KeyUp(Desktop& desktop, const AutomationState& state, std::uint8_t code);

// Opens file through the shell in a normal window; the third text is not
// used. Returns the shell's result (32 or less: nothing started).
std::int32_t Start(Desktop& desktop, const std::string& file, const std::string& folder, const std::string& unused);
// The same with arguments and a show state (1 normal, 2 minimized, 3 maximized).
std::int32_t StartEx(Desktop& desktop, const std::string& file, const std::string& folder,
                     const std::string& arguments, std::int32_t show);

}  // namespace ombrelt::mdlControls
