#include "automation/Convert.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "automation/ScriptError.h"

namespace ombrelt::Convert {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Length of the number at the start of s (sign, digits, point, exponent), 0
// when there is none. An exponent counts only when digits follow it.
std::size_t NumberLength(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) { ++i; ++digits; }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) { ++i; ++digits; }
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        std::size_t expDigits = 0;
        while (j < s.size() && IsDigit(s[j])) { ++j; ++expDigits; }
        if (expDigits > 0) i = j;
    }
    return i;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

double Parse(std::string_view number) {
    // strtod needs a terminated buffer; numbers are short.
    std::string copy(number);
    return std::strtod(copy.c_str(), nullptr);
}

double RoundHalfEven(double v) {
    double f = std::floor(v);
    double diff = v - f;
    if (diff > 0.5) return f + 1.0;
    if (diff < 0.5) return f;
    return std::fmod(f, 2.0) == 0.0 ? f : f + 1.0;
}

double RoundInRange(double value, double lo, double hi) {
    if (std::isnan(value)) throw ScriptError("Overflow");
    double r = RoundHalfEven(value);
    if (r < lo || r > hi) throw ScriptError("Overflow");
    return r;
}

}  // namespace

bool IsNumeric(std::string_view text) {
    std::string_view t = Trim(text);
    if (t.empty()) return false;
    return NumberLength(t) == t.size();
}

double LeadingNumber(std::string_view text) {
    std::string_view t = text;
    while (!t.empty() && IsBlank(t.front())) t.remove_prefix(1);
    std::size_t n = NumberLength(t);
    return n == 0 ? 0.0 : Parse(t.substr(0, n));
}

double ToDouble(std::string_view text) {
    if (!IsNumeric(text)) throw ScriptError("Type mismatch");
    double v = Parse(Trim(text));
    if (std::isinf(v)) throw ScriptError("Overflow");
    return v;
}

std::uint8_t RoundToByte(double value) {
    return static_cast<std::uint8_t>(RoundInRange(value, 0.0, 255.0));
}
std::int16_t RoundToInt16(double value) {
    return static_cast<std::int16_t>(RoundInRange(value, -32768.0, 32767.0));
}
std::int32_t RoundToInt32(double value) {
    return static_cast<std::int32_t>(RoundInRange(value, -2147483648.0, 2147483647.0));
}

std::uint8_t ToByte(std::string_view text) { return RoundToByte(ToDouble(text)); }
std::int16_t ToInt16(std::string_view text) { return RoundToInt16(ToDouble(text)); }
std::int32_t ToInt32(std::string_view text) { return RoundToInt32(ToDouble(text)); }

std::string DoubleToText(double value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
    if (value == 0.0) return "0";  // also -0
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    std::string s(buf);
    std::size_t e = s.find('e');
    if (e == std::string::npos) return s;
    // 1e+20 -> 1E+20, 1.5e-07 -> 1.5E-07
    std::string mantissa = s.substr(0, e);
    char sign = s[e + 1];
    std::string digits = s.substr(e + 2);
    return mantissa + "E" + sign + digits;
}

std::string IntToText(std::int64_t value) { return std::to_string(value); }

}  // namespace ombrelt::Convert
