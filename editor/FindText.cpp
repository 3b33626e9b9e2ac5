#include "editor/FindText.h"

#include "automation/ScriptError.h"
#include "engine/SC.h"
#include "engine/Text.h"

namespace ombrelt::editor::FindText {

std::optional<std::size_t> Search(std::string_view text, std::string_view find, bool down, std::size_t caret,
                                  bool skipCurrent) {
    if (find.empty()) return std::nullopt;
    std::size_t at = std::string_view::npos;
    if (down) {
        const std::size_t from = caret + (skipCurrent ? 1 : 0);
        if (from < text.size()) at = text.find(find, from);
    } else if (caret > 0) {
        // A match selected by the previous search starts at the caret, so
        // looking before the caret already passes it over.
        at = text.rfind(find, caret - 1);
    }
    if (at == std::string_view::npos) return std::nullopt;
    return at;
}

std::string NotFoundMessage(std::string_view find) {
    return "Cannot find \"" + std::string(find) + "\"";
}

std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view with) {
    try {
        return Text::ReplaceAll(text, find, with, SC::MaxTextLength);
    } catch (const ScriptError&) {
        return std::string(text);
    }
}

}  // namespace ombrelt::editor::FindText
