#include "automation/mdlControls.h"

#include "automation/Convert.h"
#include "automation/mdlScreen.h"

namespace ombrelt::mdlControls {
namespace {

void AtCursor(Desktop& desktop, AutomationState& state, std::uint32_t down, std::uint32_t up) {
    state.CursorPoint = desktop.GetCursorPos();
    if (down != 0) desktop.MouseEvent(down);
    if (up != 0) desktop.MouseEvent(up);
    state.LastFoundX = Convert::RoundToInt16(state.CursorPoint.x);
    state.LastFoundY = Convert::RoundToInt16(state.CursorPoint.y);
}

void AtPoint(Desktop& desktop, AutomationState& state, std::string& x, std::string& y, std::uint32_t flag,
             std::uint32_t message) {
    const std::int16_t px = mdlScreen::ParseCoordinate(state, x);
    const std::int16_t py = mdlScreen::ParseCoordinate(state, y);
    x = Convert::IntToText(px);
    y = Convert::IntToText(py);
    if (state.SelectedWindow != 0) {
        SendMouseMessage(desktop, state, message, px, py);
        return;
    }
    desktop.SetCursorPos(px, py);
    desktop.MouseEvent(flag);
    state.LastFoundX = px;
    state.LastFoundY = py;
}

void Key(Desktop& desktop, const AutomationState& state, std::uint8_t code, std::uint32_t message,
         std::uint32_t eventFlags) {
    if (state.SelectedWindow != 0)
        desktop.SendMessage(state.SelectedWindow, message, code, KeyMessageLParam);
    else
        desktop.KeybdEvent(code, eventFlags);
}

}  // namespace

void LeftDown(Desktop& d, AutomationState& s) { AtCursor(d, s, MouseLeftDown, 0); }
void LeftUp(Desktop& d, AutomationState& s) { AtCursor(d, s, 0, MouseLeftUp); }
void LeftClick(Desktop& d, AutomationState& s) { AtCursor(d, s, MouseLeftDown, MouseLeftUp); }
void RightDown(Desktop& d, AutomationState& s) { AtCursor(d, s, MouseRightDown, 0); }
void RightUp(Desktop& d, AutomationState& s) { AtCursor(d, s, 0, MouseRightUp); }
void RightClick(Desktop& d, AutomationState& s) { AtCursor(d, s, MouseRightDown, MouseRightUp); }
void MiddleDown(Desktop& d, AutomationState& s) { AtCursor(d, s, MouseMiddleDown, 0); }
void MiddleUp(Desktop& d, AutomationState& s) { AtCursor(d, s, 0, MouseMiddleUp); }
void MiddleClick(Desktop& d, AutomationState& s) { AtCursor(d, s, MouseMiddleDown, MouseMiddleUp); }

void LeftDownEx(Desktop& d, AutomationState& s, std::string& x, std::string& y) {
    AtPoint(d, s, x, y, MouseLeftDown, WmLButtonDown);
}
void LeftUpEx(Desktop& d, AutomationState& s, std::string& x, std::string& y) {
    AtPoint(d, s, x, y, MouseLeftUp, WmLButtonUp);
}
void RightDownEx(Desktop& d, AutomationState& s, std::string& x, std::string& y) {
    AtPoint(d, s, x, y, MouseRightDown, WmRButtonDown);
}
void RightUpEx(Desktop& d, AutomationState& s, std::string& x, std::string& y) {
    AtPoint(d, s, x, y, MouseRightUp, WmRButtonUp);
}
void MiddleDownEx(Desktop& d, AutomationState& s, std::string& x, std::string& y) {
    AtPoint(d, s, x, y, MouseMiddleDown, WmMButtonDown);
}
void MiddleUpEx(Desktop& d, AutomationState& s, std::string& x, std::string& y) {
    AtPoint(d, s, x, y, MouseMiddleUp, WmMButtonUp);
}

std::intptr_t SendMouseMessage(Desktop& desktop, const AutomationState& state, std::uint32_t message,
                               std::int16_t x, std::int16_t y) {
    // Scripts give screen pixels (the recorder writes them); a window reads
    // mouse messages in its client coordinates.
    const Point client = desktop.ScreenToClient(state.SelectedWindow, Point{x, y});
    const std::uint32_t packed = static_cast<std::uint16_t>(client.x) |
                                 (static_cast<std::uint32_t>(static_cast<std::uint16_t>(client.y)) << 16);
    return desktop.SendMessage(state.SelectedWindow, message, 0, static_cast<std::intptr_t>(packed));
}

void KeyDown(Desktop& d, const AutomationState& s, std::uint8_t code) { Key(d, s, code, WmKeyDown, 0); }
void KeyUp(Desktop& d, const AutomationState& s, std::uint8_t code) { Key(d, s, code, WmKeyUp, 0x0002); }

std::int32_t Start(Desktop& desktop, const std::string& file, const std::string& folder, const std::string&) {
    return desktop.ShellExecute(file, "", folder, 1);
}

std::int32_t StartEx(Desktop& desktop, const std::string& file, const std::string& folder,
                     const std::string& arguments, std::int32_t show) {
    return desktop.ShellExecute(file, arguments, folder, show);
}

}  // namespace ombrelt::mdlControls
