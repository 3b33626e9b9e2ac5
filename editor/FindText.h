#pragma once
// Find and Replace on the editor text. Positions are 0-based character
// positions of the text, as the editor's caret and selection give them.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ombrelt::editor::FindText {

// One search from the caret. Down: the first match starting at the caret, or
// one character further on when skipCurrent (a repeated search from where the
// last one left the caret, so the match it selected is passed over). Up: the
// last match starting before the caret. The comparison is exact; a search
// that ignores case is given upper-cased copies of both texts. An empty
// search text matches nowhere.
std::optional<std::size_t> Search(std::string_view text, std::string_view find, bool down, std::size_t caret,
                                  bool skipCurrent);

// "Cannot find " followed by the search text in double quotes.
std::string NotFoundMessage(std::string_view find);

// Every occurrence of find, left to right and case-sensitive, replaced by
// with. An empty find, or a result too long for the editor, leaves the text
// as it is.
std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view with);

}  // namespace ombrelt::editor::FindText
