#pragma once
// The advanced-mode window's text rules, pure so they are tested natively.
#include <optional>
#include <string>
#include <string_view>

namespace ombrelt::editor {

// The editor text of a new window: an empty main function.
inline constexpr std::string_view EmptyScript = "Function(Main);\r\n\r\nEndFunction();";

// The command line that opens the readme in the system's text editor (the
// path stands unquoted, as the text editor takes the rest of the line).
std::string ReadmeCommandLine(const std::string& programFolder);

// What Delete removes: the selection, or with nothing selected the
// character after the caret (both of a CR LF pair). Nothing with the caret
// at the very end and nothing selected.
struct TextRange {
    int Start = 0;
    int Length = 0;
    bool operator==(const TextRange&) const = default;
};
std::optional<TextRange> DeleteRange(std::string_view text, int selStart, int selLength);

}  // namespace ombrelt::editor
