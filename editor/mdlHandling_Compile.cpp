// The compact form of a script that Compile writes into an executable.
#include "editor/mdlHandling.h"

#include "engine/Text.h"

namespace ombrelt::mdlHandling {
namespace {

// Follows the engine's cleaning rule for comments and quotes: tabs are not
// there for it, a "#" opens a comment even inside quotes, the next "#" closes
// it, and the character right after a closing "#" is ordinary even when it is
// a "#". That character is always kept: dropping a space or a line break
// there could put a "#" in its place.
std::string Compact(std::string_view text, bool dropLineBreaks) {
    std::string out;
    out.reserve(text.size());
    bool inComment = false, inQuotes = false, afterClosingHash = false;
    for (const char c : text) {
        if (c == '\t') {
            out.push_back(c);
            continue;
        }
        const bool afterHash = afterClosingHash;
        afterClosingHash = false;
        if (dropLineBreaks && (c == '\r' || c == '\n') && !afterHash) continue;
        if (c == '#' && !afterHash) {
            afterClosingHash = inComment;
            inComment = !inComment;
            out.push_back(c);
        } else if (inComment) {
            out.push_back(c);
        } else if (c == '"') {
            inQuotes = !inQuotes;
            out.push_back(c);
        } else if (inQuotes) {
            out.push_back(c);
        } else if (c != ' ' || afterHash) {
            out.push_back(Text::LowerChar(c));
        }
    }
    return out;
}

}  // namespace

std::string PrepareCompiledScript(std::string_view script) { return Compact(script, true); }

std::string CompactScript(std::string_view text) { return Compact(text, false); }

}  // namespace ombrelt::mdlHandling
