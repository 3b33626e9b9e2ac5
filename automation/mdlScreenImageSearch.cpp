// Image search: is a stored image (the needle) inside another at a point of
// an area? A needle matches at a candidate point when, with its top-left pixel
// there and wholly inside the image, every needle pixel's brightness is within
// tolerance + 1 of the image pixel under it, both ways.
//
// Brightness is a monotone function of a pixel's channel sum r + g + b, so for
// each needle pixel the image sums that pass form one interval, found once per
// search from the exact formula; after that every pixel test is one integer
// compare with the same outcome. Candidates are first tested at the needle
// pixels that are rarest in the image (one vectorised pass over the rows for
// the rarest), so the full compare runs almost only where the needle is.
#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

#include "automation/mdlScreen.h"
#include "automation/mdlScreenPixels.h"

namespace ombrelt::mdlScreen {
namespace {

using detail::Area;
using detail::ChannelSum;

constexpr std::uint32_t kSums = 766;  // r + g + b: 0 to 765

// Image sums s with low <= s <= low + span (one unsigned compare).
struct SumInterval {
    std::uint32_t low = 1, span = 0;
    bool empty = true;
    bool Holds(std::uint32_t sum) const { return sum - low <= span; }
};

// For every needle sum, the image sums whose brightness lies within
// tolerance + 1 of the needle pixel's brightness.
std::array<SumInterval, kSums> PassingSums(double tolerance) {
    std::array<double, kSums> brightness;
    for (std::uint32_t s = 0; s < kSums; ++s) brightness[s] = detail::SumBrightness(s);
    std::array<SumInterval, kSums> out;
    for (std::uint32_t s = 0; s < kSums; ++s) {
        const double lower = brightness[s] - tolerance - 1.0;
        const double upper = brightness[s] + tolerance + 1.0;
        auto lo = std::lower_bound(brightness.begin(), brightness.end(), lower);  // first >= lower
        auto hi = std::upper_bound(brightness.begin(), brightness.end(), upper);  // first > upper
        if (lo < hi)
            out[s] = {static_cast<std::uint32_t>(lo - brightness.begin()),
                      static_cast<std::uint32_t>(hi - lo - 1), false};
    }
    return out;
}

// One needle pixel's test: the image pixel at offset from the candidate's
// pixel must have its sum in [low, low + span].
struct PixelCheck {
    std::ptrdiff_t offset;
    std::uint32_t low, span;
    bool Holds(const std::uint32_t* at) const { return ChannelSum(at[offset]) - low <= span; }
};

class NeedleSearch {
public:
    NeedleSearch(const PixelBuffer& image, const PixelBuffer& needle, double tolerance)
        : image_(image), w_(needle.Width), h_(needle.Height) {
        const std::array<SumInterval, kSums> passing = PassingSums(tolerance);
        const std::size_t count = static_cast<std::size_t>(w_) * h_;
        low_.resize(count);
        span_.resize(count);
        for (std::size_t k = 0; k < count; ++k) {
            const SumInterval& interval = passing[ChannelSum(needle.Pixels[k])];
            if (interval.empty) impossible_ = true;
            low_[k] = interval.low;
            span_[k] = interval.span;
        }
    }

    // The first (or last) candidate of the area, in scan order, where the
    // needle matches.
    std::optional<Point> Find(Area area, bool last) {
        // Candidates that keep the needle wholly inside the image.
        Area c{std::max(area.x1, 0), std::max(area.y1, 0), std::min(area.x2, image_.Width - w_),
               std::min(area.y2, image_.Height - h_)};
        if (impossible_ || c.Empty()) return std::nullopt;
        ChoosePreTests(c);
        const PixelCheck first = preTests_.front();
        const std::int32_t n = c.x2 - c.x1 + 1;
        // The last match in scan order is the first one met scanning backwards.
        for (std::int32_t r = 0; r <= c.y2 - c.y1; ++r) {
            const std::int32_t y = last ? c.y2 - r : c.y1 + r;
            const std::uint32_t* at = image_.Row(y) + c.x1;  // candidate (c.x1, y)
            auto test = [&](std::int32_t k) { return first.Holds(at + k); };
            const std::int32_t i = detail::ScanRow(
                n, last, [&](std::int32_t from) { return detail::AnyInBlock(test, from); }, test,
                [&](std::int32_t k) { return MatchesAt(at + k); });
            if (i >= 0) return Point{c.x1 + i, y};
        }
        return std::nullopt;
    }

private:
    static constexpr std::size_t kPreTests = 16;

    // Orders the needle pixels by how many image pixels of the searched region
    // would pass them (from a sample) and keeps the rarest as pre-tests.
    void ChoosePreTests(Area c) {
        const std::int32_t rows = c.y2 - c.y1 + h_, cols = c.x2 - c.x1 + w_;
        const std::int32_t stepY = std::max(1, rows / 128), stepX = std::max(1, cols / 128);
        std::array<std::uint32_t, kSums + 1> below{};  // below[s]: sampled sums < s
        for (std::int32_t y = c.y1; y < c.y1 + rows; y += stepY) {
            const std::uint32_t* row = image_.Row(y);
            for (std::int32_t x = c.x1; x < c.x1 + cols; x += stepX) ++below[ChannelSum(row[x]) + 1];
        }
        std::partial_sum(below.begin(), below.end(), below.begin());
        auto frequency = [&](std::size_t k) { return below[low_[k] + span_[k] + 1] - below[low_[k]]; };

        std::vector<std::uint32_t> order(low_.size());
        std::iota(order.begin(), order.end(), 0u);
        const std::size_t keep = std::min(kPreTests, order.size());
        std::partial_sort(order.begin(), order.begin() + keep, order.end(), [&](std::uint32_t a, std::uint32_t b) {
            const std::uint32_t fa = frequency(a), fb = frequency(b);
            return fa != fb ? fa < fb : a < b;
        });
        preTests_.clear();
        for (std::size_t k = 0; k < keep; ++k) preTests_.push_back(CheckOf(order[k]));
        lastFailure_.reset();
    }

    PixelCheck CheckOf(std::size_t k) const {
        const auto j = static_cast<std::ptrdiff_t>(k / static_cast<std::size_t>(w_));
        const auto i = static_cast<std::ptrdiff_t>(k % static_cast<std::size_t>(w_));
        return {j * image_.Width + i, low_[k], span_[k]};
    }

    // The full test of a candidate whose pixel is at: the needle pixel that
    // failed the last full compare (neighbouring candidates tend to fail at
    // the same place, however common its colour), the pre-tests, then every
    // needle row, leaving at the first row that fails.
    bool MatchesAt(const std::uint32_t* at) {
        if (lastFailure_ && !lastFailure_->Holds(at)) return false;
        for (std::size_t k = 1; k < preTests_.size(); ++k)
            if (!preTests_[k].Holds(at)) return false;
        for (std::int32_t j = 0; j < h_; ++j) {
            const std::uint32_t* row = at + static_cast<std::ptrdiff_t>(j) * image_.Width;
            const std::size_t first = static_cast<std::size_t>(j) * w_;
            const std::uint32_t* low = low_.data() + first;
            const std::uint32_t* span = span_.data() + first;
            std::uint32_t fails = 0;  // not bool: an OR of bools does not vectorise
            for (std::int32_t i = 0; i < w_; ++i)
                fails |= static_cast<std::uint32_t>(ChannelSum(row[i]) - low[i] > span[i]);
            if (fails == 0) continue;
            std::int32_t i = 0;
            while (ChannelSum(row[i]) - low[i] <= span[i]) ++i;
            lastFailure_ = CheckOf(first + static_cast<std::size_t>(i));
            return false;
        }
        return true;
    }

    const PixelBuffer& image_;
    const std::int32_t w_, h_;
    std::vector<std::uint32_t> low_, span_;  // per needle pixel, row by row
    bool impossible_ = false;                // some needle pixel passes no sum
    std::vector<PixelCheck> preTests_;
    std::optional<PixelCheck> lastFailure_;
};

}  // namespace

bool IsImageInArea(AutomationState& state, std::string_view store, std::string_view needle,
                   std::string_view tolerance, std::int16_t x1, std::int16_t y1, std::int16_t x2,
                   std::int16_t y2) {
    const PixelBuffer* image = detail::ReadableStore(state, store);
    const PixelBuffer* pattern = detail::ReadableStore(state, needle);
    if (!image || !pattern) return false;
    NeedleSearch search(*image, *pattern, detail::NumberOrZero(tolerance));
    std::optional<Point> found = search.Find({x1, y1, x2, y2}, !state.FirstFindMode);
    if (!found) return false;
    detail::PublishFound(state, found->x, found->y);
    return true;
}

}  // namespace ombrelt::mdlScreen
