// Coordinates and numbers as the screen commands read them.
#include "automation/Convert.h"
#include "automation/ScriptError.h"
#include "automation/mdlScreen.h"
#include "automation/mdlScreenPixels.h"

namespace ombrelt::mdlScreen {

std::int16_t ParseCoordinate(const AutomationState& state, std::string_view text) {
    if (text == "lx") return state.LastFoundX;
    if (text == "ly") return state.LastFoundY;
    return Convert::ToInt16(text);
}

double detail::NumberOrZero(std::string_view text) {
    double value = 0.0;
    RunStep([&] { value = Convert::ToDouble(text); });
    return value;
}

}  // namespace ombrelt::mdlScreen
