#include "editor/EditCommands.h"

namespace ombrelt::editor {

std::string ReadmeCommandLine(const std::string& programFolder) {
    return "notepad.exe " + programFolder + "\\readme.txt";
}

std::optional<TextRange> DeleteRange(std::string_view text, int selStart, int selLength) {
    const int length = static_cast<int>(text.size());
    if (selStart < 0 || selStart > length || selLength < 0) return std::nullopt;
    if (length == selStart) return std::nullopt;
    if (selLength > 0) return TextRange{selStart, selLength > length - selStart ? length - selStart : selLength};
    int count = text[static_cast<std::size_t>(selStart)] == '\r' ? 2 : 1;
    if (count > length - selStart) count = length - selStart;
    return TextRange{selStart, count};
}

}  // namespace ombrelt::editor
