#pragma once
// The screen, colour and image commands of the desktop command executor.
#include <cstdint>

#include "engine/CommandParams.h"
#include "engine/SC.h"

namespace ombrelt {

// The centre of the screen in single precision, from its size in twips at a
// fixed 15 twips per pixel, as recorded scripts expect.
struct ScreenCentre {
    float X, Y;
};
ScreenCentre CentreOfScreen(Desktop& desktop);

// Carries out id when it is one of the screen commands; false otherwise.
bool RunScreenCommand(SC& sc, std::int32_t id, CommandParams& p);

}  // namespace ombrelt
