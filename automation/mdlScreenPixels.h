#pragma once
// Helpers the screen searches share: pixel channels, areas, readable stores.
#include <algorithm>
#include <cstdint>
#include <string_view>

#include "automation/AutomationState.h"
#include "automation/PixelBuffer.h"

namespace ombrelt::mdlScreen::detail {

inline std::uint32_t Red(std::uint32_t p) { return (p >> 16) & 0xFFu; }
inline std::uint32_t Green(std::uint32_t p) { return (p >> 8) & 0xFFu; }
inline std::uint32_t Blue(std::uint32_t p) { return p & 0xFFu; }

// r + g + b, 0 to 765: brightness is a monotone function of it.
inline std::uint32_t ChannelSum(std::uint32_t p) { return Red(p) + Green(p) + Blue(p); }

// Brightness in percent of a channel sum, exactly as scripts define it.
inline double SumBrightness(double sum) { return sum / 3.0 / 256.0 * 100.0; }

// An area of points, both ends included; empty when a first corner exceeds
// the last.
struct Area {
    std::int32_t x1, y1, x2, y2;
    bool Empty() const { return x1 > x2 || y1 > y2; }
    bool Inside(std::int32_t width, std::int32_t height) const {
        return x1 >= 0 && y1 >= 0 && x2 < width && y2 < height;
    }
    // The part of the area whose points lie within width x height.
    Area ClippedTo(std::int32_t width, std::int32_t height) const {
        return {std::max(x1, 0), std::max(y1, 0), std::min(x2, width - 1), std::min(y2, height - 1)};
    }
};

constexpr std::int32_t kScanBlock = 16;

// Whether test holds for an index of from..from + kScanBlock - 1; test must be
// cheap and branch-free so that this is one vectorised pass.
template <class Test>
bool AnyInBlock(Test test, std::int32_t from) {
    std::uint32_t hits = 0;  // not bool: an OR of bools does not vectorise
    for (std::int32_t k = 0; k < kScanBlock; ++k) hits |= static_cast<std::uint32_t>(test(from + k));
    return hits != 0;
}

// The first index i of 0..n-1 (the last one when scanning backwards) for which
// test(i) and then accept(i) hold, or -1. Blocks of kScanBlock indices where
// blockHasHit(from) says test holds nowhere are passed over whole; accept, the
// costly part, runs only where test holds.
template <class BlockTest, class Test, class Accept>
std::int32_t ScanRow(std::int32_t n, bool backwards, BlockTest blockHasHit, Test test, Accept accept) {
    if (!backwards) {
        std::int32_t i = 0;
        for (; i + kScanBlock <= n; i += kScanBlock) {
            if (!blockHasHit(i)) continue;
            for (std::int32_t k = i; k < i + kScanBlock; ++k)
                if (test(k) && accept(k)) return k;
        }
        for (; i < n; ++i)
            if (test(i) && accept(i)) return i;
    } else {
        std::int32_t end = n;
        for (; end >= kScanBlock; end -= kScanBlock) {
            if (!blockHasHit(end - kScanBlock)) continue;
            for (std::int32_t k = end - 1; k >= end - kScanBlock; --k)
                if (test(k) && accept(k)) return k;
        }
        for (std::int32_t i = end - 1; i >= 0; --i)
            if (test(i) && accept(i)) return i;
    }
    return -1;
}

// Publishes a matched point as the last found point ("lx", "ly").
inline void PublishFound(AutomationState& state, std::int32_t x, std::int32_t y) {
    state.LastFoundX = static_cast<std::int16_t>(x);
    state.LastFoundY = static_cast<std::int16_t>(y);
}

// The named store when it holds an image; nullptr for a name that gives no
// store, a store outside the table, or an empty store.
const PixelBuffer* ReadableStore(const AutomationState& state, std::string_view name);

// The text as a number; a text that is not one counts as 0.
double NumberOrZero(std::string_view text);

}  // namespace ombrelt::mdlScreen::detail
