#pragma once
// What a Play runs and how often: the text of Play Selection, and the count
// of the basic-mode window's "Play X amount of times".
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ombrelt::editor::PlayControl {

// The selected text, or with nothing selected the text from the caret to the
// end. Positions are characters of the editor text; out-of-range ones are cut
// to the text.
std::string SelectionScript(std::string_view text, std::int64_t selStart, std::int64_t selLength);

// The play count typed by the user: rounded to a whole number (halves to the
// even one); nothing when the text is not a number. A count beyond the 32-bit
// range is taken as the nearest count that fits.
std::optional<std::int32_t> ParsePlayXCount(std::string_view text);

// One more run of a Play X series is done; true when the series is complete
// (a count of 0 or less completes after its first run).
bool CountPlayXRun(std::int32_t& done, std::int32_t count);

}  // namespace ombrelt::editor::PlayControl
