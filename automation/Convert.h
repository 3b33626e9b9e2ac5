#pragma once
// Conversions between text and numbers as scripts see them: the numeric test,
// the leading number of a text, rounding (halves to even) into 8, 16 and 32
// bits with range failures, and the text form of a double. Every subsystem
// converts through here so that a value reads back the way it was written.
#include <cstdint>
#include <string>
#include <string_view>

namespace ombrelt::Convert {

// True for a decimal number with optional spaces around it, an optional sign,
// digits with an optional "." (at least one digit) and an optional exponent.
bool IsNumeric(std::string_view text);

// The number at the start of a text: "12ab" gives 12, "abc" gives 0.
double LeadingNumber(std::string_view text);

// The whole text as a number; raises ScriptError when it is not numeric.
double ToDouble(std::string_view text);

// Round to the nearest whole number, halves to the even neighbour (2.5 gives
// 2, 3.5 gives 4); raises ScriptError outside the target's range or for NaN.
std::uint8_t RoundToByte(double value);
std::int16_t RoundToInt16(double value);
std::int32_t RoundToInt32(double value);

// Text conversions: ToDouble followed by the rounding above.
std::uint8_t ToByte(std::string_view text);
std::int16_t ToInt16(std::string_view text);
std::int32_t ToInt32(std::string_view text);

// Up to 15 significant digits, no trailing zeros, no point for whole values:
// 125, 132.558139534884, 99.609375; very large or small values as 1E+20.
std::string DoubleToText(double value);

// Decimal text of an integer.
std::string IntToText(std::int64_t value);

}  // namespace ombrelt::Convert
