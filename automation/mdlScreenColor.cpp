// Colour ranges and the colour searches.
#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

#include "automation/Convert.h"
#include "automation/ScriptError.h"
#include "automation/mdlScreen.h"
#include "automation/mdlScreenPixels.h"

namespace ombrelt::mdlScreen {
namespace {

using detail::Area;

// One channel's bounds clamped to 0..255, tested as one unsigned compare:
// (value - low) wraps past span for values below low.
struct ChannelBounds {
    std::uint32_t low = 0, span = 0;
    bool none = false;
    ChannelBounds(std::int32_t min, std::int32_t max) {
        std::int32_t lo = std::max(min, 0), hi = std::min(max, 255);
        none = lo > hi;
        low = static_cast<std::uint32_t>(std::min(lo, 255));
        span = none ? 0 : static_cast<std::uint32_t>(hi - lo);
    }
    bool Holds(std::uint32_t value) const { return value - low <= span; }
};

// The same bounds for the four bytes of four pixels at once (the fourth byte
// of a pixel: anything), as a vector type the compiler maps to SIMD registers.
using ByteLanes = std::uint8_t __attribute__((vector_size(16)));
using WordLanes = std::uint32_t __attribute__((vector_size(16)));

static_assert(std::endian::native == std::endian::little, "pixels are read byte by byte");

struct RangeTest {
    ChannelBounds red, green, blue;
    ByteLanes low{}, span{};

    RangeTest(ChannelBounds r, ChannelBounds g, ChannelBounds b) : red(r), green(g), blue(b) {
        const ChannelBounds* byByte[4] = {&blue, &green, &red, nullptr};  // memory order of 0x00RRGGBB
        for (int k = 0; k < 16; ++k) {
            const ChannelBounds* c = byByte[k % 4];
            low[k] = static_cast<std::uint8_t>(c ? c->low : 0);
            span[k] = static_cast<std::uint8_t>(c ? c->span : 255);
        }
    }
    bool None() const { return red.none || green.none || blue.none; }
    bool Matches(std::uint32_t p) const {
        return red.Holds(detail::Red(p)) & green.Holds(detail::Green(p)) & blue.Holds(detail::Blue(p));
    }
    // Whether one of the pixels p[0..15] matches: per byte one subtraction and
    // one unsigned compare, then a pixel matches when no byte of it is outside.
    bool AnyOf16(const std::uint32_t* p) const {
        static_assert(detail::kScanBlock == 16);
        WordLanes found{};
        for (int v = 0; v < 4; ++v) {
            ByteLanes bytes;
            std::memcpy(&bytes, p + 4 * v, sizeof bytes);
            const auto outside = reinterpret_cast<WordLanes>((bytes - low) > span);
            found |= reinterpret_cast<WordLanes>(outside == 0);
        }
        return (found[0] | found[1] | found[2] | found[3]) != 0;
    }
};

// The test of the named range; nothing when the tables hold no such range or
// it holds no colour.
// A name that gives no number uses range 0, as scripts have always had it.
std::optional<RangeTest> RangeOf(const AutomationState& state, std::string_view name) {
    std::int32_t k = 0;
    RunStep([&] { k = ColorRangeIndex(name); });
    auto index = static_cast<std::size_t>(k);
    if (index >= state.ColorRangeMin.size() || index >= state.ColorRangeMax.size()) return std::nullopt;
    const ColorRangeRecord& lo = state.ColorRangeMin[index];
    const ColorRangeRecord& hi = state.ColorRangeMax[index];
    RangeTest test({lo.Red, hi.Red}, {lo.Green, hi.Green}, {lo.Blue, hi.Blue});
    if (test.None()) return std::nullopt;
    return test;
}

// The first (or last) point of the area, in scan order, whose pixel is in the
// range. Points outside the image are never found.
std::optional<Point> FindColor(const PixelBuffer& image, Area area, const RangeTest& t, bool last) {
    Area a = area.ClippedTo(image.Width, image.Height);
    if (a.Empty()) return std::nullopt;
    std::int32_t n = a.x2 - a.x1 + 1;
    // The last match in scan order is the first one met scanning backwards.
    for (std::int32_t r = 0; r <= a.y2 - a.y1; ++r) {
        std::int32_t y = last ? a.y2 - r : a.y1 + r;
        const std::uint32_t* row = image.Row(y) + a.x1;
        std::int32_t i = detail::ScanRow(
            n, last, [&](std::int32_t from) { return t.AnyOf16(row + from); },
            [&](std::int32_t k) { return t.Matches(row[k]); }, [](std::int32_t) { return true; });
        if (i >= 0) return Point{a.x1 + i, y};
    }
    return std::nullopt;
}

void MoveToFirstMatch(AutomationState& state, Desktop& desktop, std::string_view store,
                      std::string_view range, const std::optional<Area>& area) {
    const PixelBuffer* image = detail::ReadableStore(state, store);
    if (!image) return;
    std::optional<RangeTest> test = RangeOf(state, range);
    if (!test) return;
    // The last found point is 16-bit: scan no further than it can name.
    constexpr std::int32_t kMax = std::numeric_limits<std::int16_t>::max();
    Area whole{0, 0, std::min(image->Width - 1, kMax), std::min(image->Height - 1, kMax)};
    std::optional<Point> found = FindColor(*image, area.value_or(whole), *test, false);
    if (!found) return;
    detail::PublishFound(state, found->x, found->y);
    desktop.SetCursorPos(found->x, found->y);
}

}  // namespace

std::int32_t ColorRangeIndex(std::string_view name) {
    return Convert::ToInt16(name.size() > 10 ? name.substr(10, 1) : std::string_view{});
}

void CreateColorRange(AutomationState& state, std::string_view range, std::int16_t minRed,
                      std::int16_t minBlue, std::int16_t minGreen, std::int16_t maxRed,
                      std::int16_t maxBlue, std::int16_t maxGreen) {
    auto k = static_cast<std::size_t>(ColorRangeIndex(range));
    if (k >= state.ColorRangeMin.size() || k >= state.ColorRangeMax.size())
        throw ScriptError("Subscript out of range");
    state.ColorRangeMin[k] = {minRed, minBlue, minGreen};
    state.ColorRangeMax[k] = {maxRed, maxBlue, maxGreen};
}

void MoveMouseToColorRange(AutomationState& state, Desktop& desktop, std::string_view store,
                           std::string_view range) {
    MoveToFirstMatch(state, desktop, store, range, std::nullopt);
}

void MoveMouseToColorRangeEx(AutomationState& state, Desktop& desktop, std::string_view store,
                             std::string_view range, std::string_view x1, std::string_view y1,
                             std::string_view x2, std::string_view y2) {
    Area area{};
    bool parsed = RunStep([&] {
        area = {ParseCoordinate(state, x1), ParseCoordinate(state, y1), ParseCoordinate(state, x2),
                ParseCoordinate(state, y2)};
    });
    if (!parsed) return;
    MoveToFirstMatch(state, desktop, store, range, area);
}

bool IsPixelInArea(AutomationState& state, std::string_view store, std::string_view range,
                   std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
    const PixelBuffer* image = detail::ReadableStore(state, store);
    if (!image) return false;
    std::optional<RangeTest> test = RangeOf(state, range);
    if (!test) return false;
    std::optional<Point> found = FindColor(*image, {x1, y1, x2, y2}, *test, !state.FirstFindMode);
    if (!found) return false;
    detail::PublishFound(state, found->x, found->y);
    return true;
}

}  // namespace ombrelt::mdlScreen
