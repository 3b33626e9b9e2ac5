#include "editor/PlayControl.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "automation/Convert.h"

namespace ombrelt::editor::PlayControl {

std::string SelectionScript(std::string_view text, std::int64_t selStart, std::int64_t selLength) {
    const auto size = static_cast<std::int64_t>(text.size());
    const std::int64_t start = std::clamp<std::int64_t>(selStart, 0, size);
    if (selLength == 0) return std::string(text.substr(static_cast<std::size_t>(start)));
    const std::int64_t length = std::clamp<std::int64_t>(selLength, 0, size - start);
    return std::string(text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length)));
}

std::optional<std::int32_t> ParsePlayXCount(std::string_view text) {
    if (!Convert::IsNumeric(text)) return std::nullopt;
    double value = 0.0;
    try {
        value = Convert::ToDouble(text);
    } catch (const std::exception&) {
        // Numeric but too large for a double: as many plays as can be counted.
        value = std::signbit(Convert::LeadingNumber(text)) ? std::numeric_limits<double>::lowest()
                                                           : std::numeric_limits<double>::max();
    }
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    return Convert::RoundToInt32(std::clamp(value, lo, hi));
}

bool CountPlayXRun(std::int32_t& done, std::int32_t count) {
    if (done < std::numeric_limits<std::int32_t>::max()) ++done;
    return done >= count;
}

}  // namespace ombrelt::editor::PlayControl
