#pragma once
// Shared set-up of the screen tests: a state as a host sizes it, and small
// hand-made images.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

#include "automation/AutomationState.h"
#include "automation/PixelBuffer.h"
#include "automation/mdlScreen.h"
#include "support/FakeDesktop.h"

namespace ombrelt::testing {

constexpr std::uint32_t kWhite = 0xFFFFFF, kBlack = 0x000000;

inline PixelBuffer Filled(std::int32_t width, std::int32_t height, std::uint32_t colour) {
    PixelBuffer b;
    b.Resize(width, height);
    for (auto& p : b.Pixels) p = colour;
    return b;
}

inline void Set(PixelBuffer& b, std::int32_t x, std::int32_t y, std::uint32_t colour) {
    b.Pixels[static_cast<std::size_t>(y) * b.Width + x] = colour;
}

class ScreenTest : public ::testing::Test {
protected:
    ScreenTest() {
        state.SizeTables();
        state.FirstFindMode = true;  // as the hosts start
    }
    PixelBuffer& Store(int index) { return state.ImageBuffers[static_cast<std::size_t>(index)]; }
    void Found(std::int16_t x, std::int16_t y) {
        state.LastFoundX = x;
        state.LastFoundY = y;
    }

    AutomationState state;
    FakeDesktop desktop;
};

}  // namespace ombrelt::testing
