#include "editor/RecorderText.h"

namespace ombrelt::mdlRecord {
namespace {

std::string XY(Point at) { return std::to_string(at.x) + "," + std::to_string(at.y); }

}  // namespace

std::string ButtonStatement(MouseButton button, bool down, bool positioned, Point at) {
    std::string text = button == MouseButton::Left    ? "Left"
                       : button == MouseButton::Right ? "Right"
                                                      : "Middle";
    text += down ? "Down" : "Up";
    return positioned ? text + "Ex(" + XY(at) + ");" : text + "();";
}

std::string MoveMouseStatement(Point at) { return "MoveMouse(" + XY(at) + ");"; }

std::string KeyStatement(int virtualKey, bool down) {
    return (down ? "KeyDown(" : "KeyUp(") + std::to_string(virtualKey) + ");";
}

std::string ColorRangeStatement(int red, int green, int blue) {
    std::string triple = std::to_string(red) + ", " + std::to_string(blue) + ", " + std::to_string(green);
    return "CreateColorRange(colorrange0, " + triple + ", " + triple + ");";
}

std::string PauseLine(std::uint32_t milliseconds) {
    return "Pause(" + std::to_string(milliseconds) + ");" + std::string(CRLF);
}

std::string PlayTimeText(std::int32_t seconds, std::uint32_t milliseconds) {
    // Seconds are counted from 0 upwards, so the total is never negative.
    std::uint64_t total = static_cast<std::uint64_t>(seconds) * 1000 + milliseconds;
    std::string thousandths = std::to_string(total % 1000);
    return std::to_string(total / 1000) + "." + std::string(3 - thousandths.size(), '0') + thousandths;
}

std::string RecordedScript(std::string_view body, std::int32_t seconds, std::uint32_t milliseconds) {
    std::string text = "Function(Main);";
    text += CRLF;
    text += "OrigionalPlayTime(" + PlayTimeText(seconds, milliseconds) + ");";
    text += CRLF;
    text += "SetPausePercent(100);";
    text += CRLF;
    text += CRLF;
    text += body;
    text += CRLF;
    text += "EndFunction();";
    return text;
}

}  // namespace ombrelt::mdlRecord
