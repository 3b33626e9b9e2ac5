#pragma once
// Arithmetic of script values fails where the result has no place in its
// type, as the language defines, instead of wrapping or storing NaN.
#include <cmath>
#include <cstdint>
#include <limits>

#include "automation/ScriptError.h"

namespace ombrelt::Arithmetic {

inline std::int32_t Checked32(long long value) {
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        throw ScriptError("Overflow");
    return static_cast<std::int32_t>(value);
}

// Division by zero, overflow and a power without a value all end here.
inline double CheckedDouble(double value) {
    if (!std::isfinite(value)) throw ScriptError("Overflow");
    return value;
}

}  // namespace ombrelt::Arithmetic
