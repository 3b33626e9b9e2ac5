#pragma once
// The program-wide state that the engine, the primitives and the hosts share.
// The program owns one; a test makes a fresh one.
#include <cstdint>
#include <string>
#include <vector>

#include "automation/PixelBuffer.h"

namespace ombrelt {

using WindowHandle = std::uintptr_t;  // 0 = none

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const Point&) const = default;
};

// Bounds of a colour range, in the order the scripts give them.
struct ColorRangeRecord {
    std::int16_t Red = 0;
    std::int16_t Blue = 0;
    std::int16_t Green = 0;
};

struct AutomationState {
    static constexpr int LastStore = 50;  // stores and ranges 0 to 50

    // Input state (mdlControls).
    WindowHandle SelectedWindow = 0;
    Point CursorPoint;
    std::int16_t LastFoundX = 0;  // script name "lx"
    std::int16_t LastFoundY = 0;  // script name "ly"

    // Switches of the engine's commands.
    double PauseFactor = 1.0;
    bool IgnorePauses = false;
    bool RepeatEnabled = false;
    bool FirstFindMode = false;
    std::string ImageBaseFolder;

    // Image stores and colour ranges (mdlScreen); empty until a host sizes them.
    std::vector<PixelBuffer> ImageBuffers;
    PixelBuffer TempCaptureBuffer;  // "sstemp", read by the recorder
    std::vector<ColorRangeRecord> ColorRangeMin;
    std::vector<ColorRangeRecord> ColorRangeMax;

    // What every host does at start-up: stores and ranges 0 to 50, all empty.
    void SizeTables() {
        ImageBuffers.assign(LastStore + 1, PixelBuffer{});
        ColorRangeMin.assign(LastStore + 1, ColorRangeRecord{});
        ColorRangeMax.assign(LastStore + 1, ColorRangeRecord{});
    }
};

}  // namespace ombrelt
