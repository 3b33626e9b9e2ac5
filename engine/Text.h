#pragma once
// Small text operations of the script language (8-bit text, binary compares).
#include <cstddef>
#include <string>
#include <string_view>

namespace ombrelt::Text {

inline char LowerChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

inline std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = LowerChar(c);
    return out;
}

// Every occurrence of find (from the first character, not overlapping)
// replaced by with; an empty find changes nothing. Raises ScriptError when the
// result would be longer than maxLength.
std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view with,
                       std::size_t maxLength);

// The text count times; empty for a count below 1. Raises ScriptError when the
// result would be longer than maxLength.
std::string Repeat(std::string_view text, long long count, std::size_t maxLength);

// The two texts joined; raises ScriptError when longer than maxLength.
std::string Join(std::string_view a, std::string_view b, std::size_t maxLength);

}  // namespace ombrelt::Text
