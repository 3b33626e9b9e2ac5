#pragma once
// The text receive path: cuts the bytes a connection has delivered into
// lines. A line's text is handed on as the bytes of the text that the
// receiver gets: UTF-16LE when the line was 16-bit text or valid UTF-8
// (Ansi false), the line's own bytes unconverted otherwise (Ansi true, for
// the receiver to read in its code page).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ombrelt::net {

// Line codes: which separator ended a line, and which one sending appends.
inline constexpr std::int32_t LineNul = 0;
inline constexpr std::int32_t LineCrLf = 1;
inline constexpr std::int32_t LineLf = 2;
inline constexpr std::int32_t LineCr = 3;

struct ReceivedLine {
    std::string Text;
    std::int32_t LineChange;
    bool Ansi;
    friend bool operator==(const ReceivedLine&, const ReceivedLine&) = default;
};

struct LineCut {
    std::vector<ReceivedLine> Lines;  // in order; empty when no separator was found
    std::string Rest;                 // the bytes that stay held (all of them when no line)
};

// First as 16-bit text (characters CR LF, else LF, else CR), and only when
// none is found as 8-bit text (bytes CR LF, else LF, else CR).
LineCut CutLines(std::string_view held);

// The separator bytes of a line code; empty for any other value.
std::string_view LineSeparatorOf(std::int32_t lineChange);
// The line code of a separator: 1 for any two characters, 2 LF, 3 CR, else 0.
std::int32_t LineChangeOf(std::string_view separator);

}  // namespace ombrelt::net
