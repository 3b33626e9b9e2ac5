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

// The mean brightness of a non-empty area of the image. The channel sums add
// up exactly as integers, so the result is the formula's exact value rounded
// once, whatever the area's size. A point outside the image counts again with
// the pixel read last in scan order (0 before any), so each row adds its
// unreadable stretches in one step.
double MeanBrightness(const PixelBuffer& image, Area a) {
    std::uint64_t total = 0;
    std::uint64_t last = 0;
    const std::int64_t n = std::int64_t{a.x2} - a.x1 + 1;
    const Area inside = a.ClippedTo(image.Width, image.Height);
    for (std::int32_t y = a.y1; y <= a.y2; ++y) {
        if (y < inside.y1 || y > inside.y2 || inside.x1 > inside.x2) {
            total += last * n;
            continue;
        }
        const std::uint32_t* row = image.Row(y);
        total += last * static_cast<std::uint64_t>(inside.x1 - a.x1);
        total += RowChannelSum(row + inside.x1, inside.x2 - inside.x1 + 1);
        last = detail::ChannelSum(row[inside.x2]);
        total += last * static_cast<std::uint64_t>(a.x2 - inside.x2);
    }
    const double pixels = static_cast<double>(n) * static_cast<double>(std::int64_t{a.y2} - a.y1 + 1);
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
    // An empty store reads nothing: every point counts as 0.
    const PixelBuffer* image = detail::ReadableStore(state, store);
    return image && !a.Empty() ? MeanBrightness(*image, a) : 0.0;
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
