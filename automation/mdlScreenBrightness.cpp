// Brightness of pixels and areas ("saturation" in the script words).
#include <cmath>

#include "automation/mdlScreen.h"
#include "automation/mdlScreenPixels.h"

namespace ombrelt::mdlScreen {
namespace {

using detail::Area;

// Sum of r + g + b over one row; at most 32768 * 765, so 32 bits hold it.
std::uint32_t RowChannelSum(const std::uint32_t* row, std::int32_t n) {
    std::uint32_t sum = 0;
    for (std::int32_t i = 0; i < n; ++i) sum += detail::ChannelSum(row[i]);
    return sum;
}

// The mean brightness of an area wholly inside a non-empty image. The channel
// sums add up exactly as integers, so the result is the formula's exact value
// rounded once, whatever the area's size.
double MeanBrightness(const PixelBuffer& image, Area a) {
    std::uint64_t total = 0;
    const std::int32_t n = a.x2 - a.x1 + 1;
    for (std::int32_t y = a.y1; y <= a.y2; ++y) total += RowChannelSum(image.Row(y) + a.x1, n);
    const double pixels = static_cast<double>(n) * static_cast<double>(a.y2 - a.y1 + 1);
    return static_cast<double>(total) / 3.0 / pixels / 256.0 * 100.0;
}

// The image of the store when the whole area can be read from it.
const PixelBuffer* ReadableArea(const AutomationState& state, std::string_view store, const Area& a) {
    const PixelBuffer* image = detail::ReadableStore(state, store);
    if (!image || a.Empty() || !a.Inside(image->Width, image->Height)) return nullptr;
    return image;
}

}  // namespace

double PixelBrightness(std::uint32_t pixel) { return detail::SumBrightness(detail::ChannelSum(pixel)); }

double GetSaturation(const AutomationState& state, std::string_view store, std::int16_t x1,
                     std::int16_t y1, std::int16_t x2, std::int16_t y2) {
    Area a{x1, y1, x2, y2};
    const PixelBuffer* image = ReadableArea(state, store, a);
    return image ? MeanBrightness(*image, a) : 0.0;
}

bool IsSaturationInArea(AutomationState& state, std::string_view store, std::string_view target,
                        std::string_view tolerance, std::int16_t x1, std::int16_t y1,
                        std::int16_t x2, std::int16_t y2) {
    Area a{x1, y1, x2, y2};
    const PixelBuffer* image = ReadableArea(state, store, a);
    if (!image) return false;
    const double t = std::fabs(detail::NumberOrZero(target));
    const double d = std::fabs(detail::NumberOrZero(tolerance));
    const double m = MeanBrightness(*image, a);
    if (!(t - d <= m && m <= t + d)) return false;
    detail::PublishFound(state, x1, y1);
    return true;
}

}  // namespace ombrelt::mdlScreen
