// Cleaning a script and cutting it into the statement and function tables.
#include <algorithm>

#include "engine/SC.h"
#include "engine/Text.h"

namespace ombrelt {

SC::SC(AutomationState& state, Desktop& desktop) : state_(state), desktop_(desktop) {}

// Tabs go; comments run from one "#" to the next, also inside quotes; outside
// quotes spaces go and letters are lower-cased. The character right after a
// closing "#" is never taken as the start of a comment.
std::string SC::CleanCode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool inComment = false, inQuotes = false, afterClosingHash = false;
    for (char c : text) {
        if (c == '\t') continue;
        bool hashTest = !afterClosingHash;
        afterClosingHash = false;
        if (hashTest && c == '#') {
            afterClosingHash = inComment;
            inComment = !inComment;
            continue;
        }
        if (inComment) continue;
        if (c == '"') {
            inQuotes = !inQuotes;
            out += c;
        } else if (inQuotes) {
            out += c;
        } else if (c != ' ') {
            out += Text::LowerChar(c);
        }
    }
    return out;
}

std::string SC::RemoveLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(out), [](char c) { return c != '\n' && c != '\r'; });
    return out;
}

void SC::Initialize(std::string& text) {
    IsRunning = true;
    CodeLines.assign(2, CodeLine{});
    LineCount = 0;
    CurrentLine = 1;
    MainStartLine = 1;
    MainEndLine = 0;
    IfDepth = IfMatchDepth = WhileDepth = WhileMatchDepth = 0;
    CallStack.assign(2, 0);
    CallDepth = 0;
    StringVariables.Reset();
    LongVariables.Reset();
    DoubleVariables.Reset();
    FunctionCount = 0;
    Functions.assign(1, FunctionEntry{});
    functionIndex_.clear();

    text = RemoveLineBreaks(CleanCode(text));

    // A ";" ends a statement only once "(" and ")" are both in it; any other
    // ";" is dropped. Text after the last statement is ignored. The ends are
    // found first so that the table is allocated once, at its final size.
    struct Piece {
        std::size_t From, To;  // the statement's text, semicolons included
    };
    std::vector<Piece> pieces;
    bool hasOpen = false, hasClose = false;
    std::size_t from = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != ';') {
            hasOpen = hasOpen || c == '(';
            hasClose = hasClose || c == ')';
        } else if (hasOpen && hasClose) {
            pieces.push_back({from, i});
            from = i + 1;
            hasOpen = hasClose = false;
        }
    }
    CodeLines.reserve(std::max<std::size_t>(2, pieces.size() + 1));

    std::int32_t functionStatements = 0, mainNumber = 0;
    std::string statement;
    for (const Piece& piece : pieces) {
        statement.clear();
        std::copy_if(text.begin() + piece.From, text.begin() + piece.To, std::back_inserter(statement),
                     [](char c) { return c != ';'; });
        AddStatement(statement, functionStatements, mainNumber);
    }
    IsRunning = false;
}

void SC::AddStatement(std::string_view statement, std::int32_t& functionStatements, std::int32_t& mainNumber) {
    ++LineCount;
    if (static_cast<std::size_t>(LineCount) >= CodeLines.size()) CodeLines.emplace_back();
    CodeLine& line = CodeLines[LineCount];  // a new element, or the empty element 1

    std::size_t open = statement.find('(');
    line.ID = ReturnFunctionID(statement.substr(0, open));

    // The list runs from after the first "(" to before the statement's last
    // character (its closing ")" when well formed).
    std::string_view list = statement.substr(open + 1);
    if (!list.empty()) list.remove_suffix(1);
    if (!list.empty() && std::count(list.begin(), list.end(), ',') < 8) {
        std::size_t k = 1, from = 0;
        for (std::size_t comma = list.find(','); comma != std::string_view::npos; comma = list.find(',', from)) {
            line.Param[k++] = list.substr(from, comma - from);
            from = comma + 1;
        }
        line.Param[k] = list.substr(from);
    }

    if (line.ID == CommandId::Function) {
        ++functionStatements;
        if (line.Param[1] == "main") {
            MainStartLine = CurrentLine = LineCount;
            mainNumber = functionStatements;
        }
        ++FunctionCount;
        Functions.push_back(FunctionEntry{line.Param[1], LineCount});
        functionIndex_.emplace(line.Param[1], FunctionCount);
    } else if (line.ID == CommandId::EndFunction && functionStatements == mainNumber) {
        MainEndLine = LineCount;
    }
}

}  // namespace ombrelt
