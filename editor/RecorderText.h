#pragma once
// The exact text of everything the recorder writes: one statement per event,
// the "Pause(" line in front of each, and the frame that Stop wraps around a
// recording (main function, play time, pause percentage).
#include <cstdint>
#include <string>
#include <string_view>

#include "automation/AutomationState.h"

namespace ombrelt::mdlRecord {

inline constexpr std::string_view CRLF = "\r\n";

enum class MouseButton { Left, Right, Middle };

// "LeftDown();" or, positioned, "LeftDownEx(x,y);" (no space after the comma).
std::string ButtonStatement(MouseButton button, bool down, bool positioned, Point at);
// "MoveMouse(x,y);"
std::string MoveMouseStatement(Point at);
// "KeyDown(vk);" / "KeyUp(vk);"
std::string KeyStatement(int virtualKey, bool down);

// The three statements of a colour pick, in the order they are written.
inline constexpr std::string_view CaptureStatement = "CaptureScreen(imagesave0);";
// "CreateColorRange(colorrange0, r, b, g, r, b, g);": the picked colour as
// both bounds, channels in the order red, blue, green.
std::string ColorRangeStatement(int red, int green, int blue);
inline constexpr std::string_view MoveToColorStatement = "MoveMouseToColorRange(imagesave0, colorrange0);";

// "Pause(ms);" followed by CRLF.
std::string PauseLine(std::uint32_t milliseconds);

// The play time as seconds with exactly three decimals: whole seconds plus a
// millisecond reading, which carries into the seconds from 1000 on
// (5 s and 7 ms give "5.007", 5 s and 1015 ms give "6.015").
std::string PlayTimeText(std::int32_t seconds, std::uint32_t milliseconds);

// The finished recording: the main function headed by the play time and a
// pause percentage of 100, holding body (its lines each end with CRLF), an
// empty line, and "EndFunction();" with no line break after it.
std::string RecordedScript(std::string_view body, std::int32_t seconds, std::uint32_t milliseconds);

}  // namespace ombrelt::mdlRecord
